#include "ImportPreset.h"
#include "PresetFile.h"
#include "PresetTestSupport.h"
#include "SavePreset.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace PresetTestSupport;

// Saving: the file name rule, the key set and order, values that read back unchanged, other
// content of an existing file kept, and failures that leave the old file and say so.
class tst_SavePreset : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void appendsTheExtension_data();
    void appendsTheExtension();
    void writesEveryKeyInFileOrder();
    void roundTripRestoresEveryCoveredByte();
    void savingTwiceGivesTheSameBytes();
    void keepsOtherContentOfAnExistingFile();
    void replaceWritesTheFileAfresh();
    void emptyPathWritesNothing();
    void failedWriteNamesTheFileAndKeepsIt_data();
    void failedWriteNamesTheFileAndKeepsIt();
    void leftoversOfKilledSavesGo_data();
    void leftoversOfKilledSavesGo();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingMessages m_messages;
};

void tst_SavePreset::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages.shown.clear();
}

void tst_SavePreset::appendsTheExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");

    QTest::newRow("no extension") << "live"
                                  << "live.PA";
    QTest::newRow("lower-case extension kept") << "live.pa"
                                               << "live.pa";
    QTest::newRow("mixed-case extension kept") << "Live.pA"
                                               << "Live.pA";
    QTest::newRow("other extension") << "live.txt"
                                     << "live.txt.PA";
    QTest::newRow("extension only on the folder") << "set.pa/live"
                                                  << "set.pa/live.PA";
    QTest::newRow("ends in 'pa' without the dot") << "livepa"
                                                  << "livepa.PA";
}

void tst_SavePreset::appendsTheExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QCOMPARE(presetSavePath(chosen), saved);

    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("set.pa")));
    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    QCOMPARE(SavePreset(path(chosen), model, m_messages), std::optional<QString>(path(saved)));
    QVERIFY(QFile::exists(path(saved)));
}

void tst_SavePreset::writesEveryKeyInFileOrder()
{
    // The key sequence as the format describes it; a key written twice appears once.
    struct Group
    {
        int firstBand, bandCount, highCut, lowCut;
    };
    const Group groups[] = {{3, 7, -1, 1},   {68, 15, 66, 65}, {87, 7, 85, 84}, {137, 3, 130, 135},
                            {22, 3, -1, -1}, {15, 3, -1, -1},  {31, 0, 29, 28}, {38, 3, -1, -1}};
    QByteArrayList expected{"Type"};
    const auto add = [&expected](const QByteArray& key) {
        if (!expected.contains(key)) {
            expected << key;
        }
    };
    for (int mode = 0; mode < 8; ++mode) {
        const QByteArray prefix = "GROUP" + QByteArray::number(mode) + ".ADDR";
        for (const Group& g : groups) {
            for (int a = g.firstBand; a < g.firstBand + g.bandCount; ++a) {
                for (const char* data : {".DATA1", ".DATA2", ".DATA3"}) {
                    add(prefix + QByteArray::number(a) + data);
                }
            }
            for (int cut : {g.highCut, g.lowCut}) {
                if (cut >= 0) {
                    add(prefix + QByteArray::number(cut));
                }
            }
        }
        for (int address : PerModeList) {
            add(prefix + QByteArray::number(address));
        }
    }
    for (int address = 192; address <= 205; ++address) {
        add("COMMON.ADDR" + QByteArray::number(address));
    }
    for (int address = 0; address <= 254; ++address) {
        add("MENUSHOW.ADDR" + QByteArray::number(address));
    }

    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    QVERIFY(SavePreset(path("factory"), model, m_messages));
    const QByteArray bytes = readFile(path("factory.PA"));
    QVERIFY(bytes.startsWith("[Main]\r\nType=ZEV001\r\nGROUP0.ADDR3.DATA1=19\r\n"));
    QVERIFY(bytes.endsWith("\r\nMENUSHOW.ADDR254=0\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

    QByteArrayList keys;
    for (const QByteArray& line : bytes.split('\n').mid(1)) {
        if (!line.isEmpty()) {
            keys << line.left(line.indexOf('='));
        }
    }
    QCOMPARE(keys.size(), 1566);
    QCOMPARE(keys, expected);
    for (const char* line : {"\nGROUP2.ADDR64=80\r", "\nGROUP7.ADDR26=50\r", "\nGROUP5.ADDR29=54\r",
                             "\nCOMMON.ADDR197=20\r", "\nMENUSHOW.ADDR64=0\r"}) {
        QVERIFY2(bytes.contains(line), line);
    }
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_SavePreset::roundTripRestoresEveryCoveredByte()
{
    ParamModel saved;
    fillRandom(saved, 11, true);
    QVERIFY(SavePreset(path("all.PA"), saved, m_messages));

    ParamModel imported;
    fillRandom(imported, 12, true);
    const ParamModel before = imported;
    QCOMPARE(ImportPreset(path("all.PA"), imported, m_messages).result, ImportResult::Imported);

    int covered = 0;
    for (ParamField field : AllParamFields) {
        for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
            for (int address = 0; address < ParamStore::AddressCount; ++address) {
                const bool inFile = presetCovers(field, mode, address);
                covered += inFile;
                const ParamModel& expected = inFile ? saved : before;
                QVERIFY2(imported.store().value(field, mode, address) ==
                             expected.store().value(field, mode, address),
                         qPrintable(QStringLiteral("field %1 mode %2 address %3")
                                        .arg(fieldIndex(field))
                                        .arg(mode)
                                        .arg(address)));
            }
        }
    }
    QCOMPARE(covered, 8 * (41 * 3 + 39) + 14);
    QVERIFY(std::equal(saved.menuShow().begin(), saved.menuShow().end() - 1,
                       imported.menuShow().begin()));
    QCOMPARE(imported.menuShow()[255], before.menuShow()[255]);
    QCOMPARE(imported.password(), before.password());
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_SavePreset::savingTwiceGivesTheSameBytes()
{
    ParamModel model;
    fillRandom(model, 21, true);
    QVERIFY(SavePreset(path("a.PA"), model, m_messages));
    const QByteArray first = readFile(path("a.PA"));
    QVERIFY(SavePreset(path("a.PA"), model, m_messages));
    QCOMPARE(readFile(path("a.PA")), first);

    // And a store imported from the file saves to the very same file.
    ParamModel other;
    QCOMPARE(ImportPreset(path("a.PA"), other, m_messages).result, ImportResult::Imported);
    QVERIFY(SavePreset(path("b.PA"), other, m_messages));
    QCOMPARE(readFile(path("b.PA")), first);
}

void tst_SavePreset::keepsOtherContentOfAnExistingFile()
{
    const QByteArray head = "; kept by hand\n[Notes]\nowner=studio 2\n\n[main]\n"
                            "type = old\ngroup0.addr0 = 5\nCustom=yes\n";
    const QByteArray tail = "\n[Notes]\nsecond=ignored\n";
    writeFile(path("edited.pa"), head + tail);

    ParamModel model;
    fillRandom(model, 31, true);
    QVERIFY(SavePreset(path("edited.pa"), model, m_messages));
    const QByteArray bytes = readFile(path("edited.pa"));

    QVERIFY(!bytes.contains('\r'));
    QVERIFY(bytes.startsWith("; kept by hand\n[Notes]\nowner=studio 2\n\n[main]\ntype = ZEV001\n"
                             "group0.addr0 = " +
                             QByteArray::number(model.store().value(ParamField::Value, 0, 0)) +
                             "\nCustom=yes\n"));
    QVERIFY(bytes.endsWith("\nMENUSHOW.ADDR254=" + QByteArray::number(model.menuShow()[254]) +
                           "\n" + tail));
    QVERIFY(!bytes.contains("GROUP0.ADDR0="));

    ParamModel imported;
    QCOMPARE(ImportPreset(path("edited.pa"), imported, m_messages).result, ImportResult::Imported);
    QCOMPARE(imported.store().value(ParamField::Value, 0, 0),
             model.store().value(ParamField::Value, 0, 0));
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_SavePreset::replaceWritesTheFileAfresh()
{
    writeFile(path("backup.PA"), "; old notes\n[Notes]\nowner=studio 2\n");
    ParamModel model;
    fillRandom(model, 7, true);
    QVERIFY(SavePreset(path("backup.PA"), model, m_messages, PresetFile::Existing::Replace));
    const QByteArray bytes = readFile(path("backup.PA"));
    QVERIFY(bytes.startsWith("[Main]\r\nType=ZEV001\r\n"));
    QVERIFY(!bytes.contains("Notes"));
}

void tst_SavePreset::emptyPathWritesNothing()
{
    ParamModel model;
    QCOMPARE(SavePreset(QString(), model, m_messages), std::nullopt);
    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void tst_SavePreset::failedWriteNamesTheFileAndKeepsIt_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("existing"); // written to the target first when not empty

    QTest::newRow("folder is a file") << "plain-file/live.PA" << QByteArray();
    QTest::newRow("target is a folder") << "folder.PA" << QByteArray();
    QTest::newRow("existing file too large to merge")
        << "huge.PA" << QByteArray(PresetFile::MaxBytes + 1, ';');
}

void tst_SavePreset::failedWriteNamesTheFileAndKeepsIt()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, existing);
    writeFile(path("plain-file"), "not a folder");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.PA")));
    if (!existing.isEmpty()) {
        writeFile(path(target), existing);
    }
    const QStringList filesBefore = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    QCOMPARE(SavePreset(path(target), model, m_messages), std::nullopt);

    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown[0].first, UserMessages::Icon::Critical);
    QVERIFY2(m_messages.shown[0].second.contains(QDir::toNativeSeparators(path(target))),
             qPrintable(m_messages.shown[0].second));
    if (!existing.isEmpty()) {
        QCOMPARE(readFile(path(target)), existing);
    }
    // No temporary file left behind.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), filesBefore);
}

void tst_SavePreset::leftoversOfKilledSavesGo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kept");
    const QString running = QString::number(QCoreApplication::applicationPid());
    QTest::newRow("ours, its program ended") << "x.PA.tonvexa-2147483000-a1B2c3.tmp" << false;
    QTest::newRow("ours, its program runs") << "x.PA.tonvexa-" + running + "-a1B2c3.tmp" << true;
    QTest::newRow("of another file") << "y.PA.tonvexa-2147483000-a1B2c3.tmp" << true;
    QTest::newRow("the user's copy") << "x.PA.backup" << true;
    QTest::newRow("like ours, but not") << "x.PA.tonvexa-2147483000-a1B2c3.tmp.old" << true;
}

void tst_SavePreset::leftoversOfKilledSavesGo()
{
    QFETCH(QString, name);
    writeFile(path(name), "[Main]\r\nType=ZEV001\r\n");
    ParamModel model;
    QVERIFY(SavePreset(path("x.PA"), model, m_messages));
    QTEST(QFile::exists(path(name)), "kept");
    QCOMPARE(QDir(m_dir->path()).count(), 2u + 1u + (QFile::exists(path(name)) ? 1u : 0u));
}

QTEST_GUILESS_MAIN(tst_SavePreset)
#include "tst_SavePreset.moc"

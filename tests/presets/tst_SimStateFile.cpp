#include "FifoUnblocker.h"
#include "ImportPreset.h"
#include "PresetTestSupport.h"
#include "SavePreset.h"
#include "SimProcessor.h"
#include "SimStateFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace PresetTestSupport;

namespace {

// Store bytes the state file carries beyond a preset: the bass bands and 0xCE/0xCF.
bool stateCovers(ParamField field, int mode, int address)
{
    return presetCovers(field, mode, address) || (address >= 0x1F && address <= 0x21) ||
           (field == ParamField::Value && mode == 0 && (address == 0xCE || address == 0xCF));
}

} // namespace

// One simulated device kept across runs: everything its memory holds that the link can reach
// comes back, and the file stays a preset.
class tst_SimStateFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void keepsTheDeviceAcrossRuns();
    void stateFileIsAPreset();
    void plainPresetLoadsAsState();
    void missingFileLeavesAFreshDevice();
    void badStateChangesNothing_data();
    void badStateChangesNothing();
    void failedSaveSaysSo();
    void onlyARegularFileIsState_data();
    void onlyARegularFileIsState();
    void linkToAFileIsFollowed();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingMessages m_messages;
};

void tst_SimStateFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages.shown.clear();
}

void tst_SimStateFile::keepsTheDeviceAcrossRuns()
{
    SimProcessor firstRun;
    fillRandom(firstRun.memory(), 51, false); // 253 and 255 included: a device may hold them
    QVERIFY(SimStateFile::save(path("state.PA"), firstRun.memory(), m_messages));

    SimProcessor secondRun;
    const ParamModel fresh = secondRun.memory();
    QCOMPARE(SimStateFile::load(path("state.PA"), secondRun.memory(), m_messages),
             SimStateFile::LoadResult::Loaded);
    QVERIFY(m_messages.shown.isEmpty());

    const ParamModel& loaded = secondRun.memory();
    for (ParamField field : AllParamFields) {
        for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
            for (int address = 0; address < ParamStore::AddressCount; ++address) {
                const ParamModel& expected =
                    stateCovers(field, mode, address) ? firstRun.memory() : fresh;
                QVERIFY2(loaded.store().value(field, mode, address) ==
                             expected.store().value(field, mode, address),
                         qPrintable(QStringLiteral("field %1 mode %2 address %3")
                                        .arg(fieldIndex(field))
                                        .arg(mode)
                                        .arg(address)));
            }
        }
    }
    QCOMPARE(loaded.menuShow(), firstRun.memory().menuShow());
    QCOMPARE(loaded.password(), firstRun.memory().password());

    // Saving what was loaded changes no byte of the file.
    const QByteArray bytes = readFile(path("state.PA"));
    QVERIFY(SimStateFile::save(path("again.PA"), loaded, m_messages));
    QCOMPARE(readFile(path("again.PA")), bytes);
}

void tst_SimStateFile::stateFileIsAPreset()
{
    SimProcessor device;
    fillRandom(device.memory(), 52, true);
    QVERIFY(SimStateFile::save(path("state.PA"), device.memory(), m_messages));

    ParamModel model;
    QCOMPARE(ImportPreset(path("state.PA"), model, m_messages).result, ImportResult::Imported);
    QCOMPARE(model.store().value(ParamField::Gain, 6, 0x44),
             device.memory().store().value(ParamField::Gain, 6, 0x44));
    QCOMPARE(model.store().value(ParamField::Value, 0, 0x1F),
             quint8(0)); // the bass bands are not a preset's
}

void tst_SimStateFile::plainPresetLoadsAsState()
{
    ParamModel preset;
    fillRandom(preset, 53, true);
    QVERIFY(SavePreset(path("live.PA"), preset, m_messages));

    SimProcessor device;
    const ParamModel fresh = device.memory();
    QCOMPARE(SimStateFile::load(path("live.PA"), device.memory(), m_messages),
             SimStateFile::LoadResult::Loaded);
    QCOMPARE(device.memory().store().value(ParamField::Q, 3, 0x57),
             preset.store().value(ParamField::Q, 3, 0x57));
    QCOMPARE(device.memory().password(), fresh.password());
    QCOMPARE(device.memory().store().fields(4, 0x20), fresh.store().fields(4, 0x20));
}

void tst_SimStateFile::missingFileLeavesAFreshDevice()
{
    SimProcessor device;
    const ParamModel fresh = device.memory();
    QCOMPARE(SimStateFile::load(path("none.PA"), device.memory(), m_messages),
             SimStateFile::LoadResult::Missing);
    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(device.memory().store() == fresh.store());
}

void tst_SimStateFile::badStateChangesNothing_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("named"); // what the message must name besides the file

    QTest::newRow("password byte not a number")
        << QByteArray("PASSWORD3=") << QByteArray("PASSWORD3=x") << "PASSWORD3";
    QTest::newRow("bass band field missing")
        << QByteArray("GROUP4.ADDR32.DATA2=") << QByteArray("; GROUP4.ADDR32.DATA2=")
        << "GROUP4.ADDR32.DATA2";
    QTest::newRow("preset value out of range")
        << QByteArray("GROUP0.ADDR0=") << QByteArray("GROUP0.ADDR0=1000") << "GROUP0.ADDR0";
    QTest::newRow("not a preset") << QByteArray("Type=ZEV001") << QByteArray("Type=") << "preset";
}

void tst_SimStateFile::badStateChangesNothing()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, named);
    SimProcessor saved;
    fillRandom(saved.memory(), 54, false);
    QVERIFY(SimStateFile::save(path("state.PA"), saved.memory(), m_messages));
    QByteArray bytes = readFile(path("state.PA"));
    QVERIFY(bytes.contains(from));
    writeFile(path("state.PA"), bytes.replace(from, to));

    SimProcessor device;
    const ParamModel fresh = device.memory();
    QCOMPARE(SimStateFile::load(path("state.PA"), device.memory(), m_messages),
             SimStateFile::LoadResult::Failed);
    QVERIFY(device.memory().store() == fresh.store());
    QCOMPARE(device.memory().password(), fresh.password());
    QCOMPARE(m_messages.shown.size(), 1);
    const QString& text = m_messages.shown[0].second;
    QVERIFY2(text.contains(QDir::toNativeSeparators(path("state.PA"))) && text.contains(named),
             qPrintable(text));
}

void tst_SimStateFile::failedSaveSaysSo()
{
    SimProcessor device;
    QVERIFY(!SimStateFile::save(path("no-folder/state.PA"), device.memory(), m_messages));
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown[0].second.contains(QStringLiteral("no-folder")));
}

void tst_SimStateFile::onlyARegularFileIsState_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("named");
    QTest::newRow("directory") << "directory"
                               << "a directory";
    QTest::newRow("named pipe") << "fifo"
                                << "named pipe";
    QTest::newRow("link loop") << "loop"
                               << "leads nowhere";
    QTest::newRow("link to nothing") << "dangling"
                                     << "leads nowhere";
}

void tst_SimStateFile::onlyARegularFileIsState()
{
    QFETCH(QString, kind);
    QFETCH(QString, named);
    const QString state = path("state.PA");
    std::optional<FifoUnblocker> fifo;
    if (kind == u"directory") {
        QVERIFY(QDir().mkdir(state));
    } else if (kind == u"fifo") {
        QVERIFY(fifo.emplace(state).created());
    } else {
        QVERIFY(QFile::link(kind == u"loop" ? state : path("nothing.PA"), state));
    }
    const auto shape = [&state] {
        const QFileInfo info(state);
        return QList<bool>{info.isSymLink(), info.isDir(), info.isFile()};
    };
    const QList<bool> before = shape();

    SimProcessor device;
    const ParamModel fresh = device.memory();
    QCOMPARE(SimStateFile::load(state, device.memory(), m_messages),
             SimStateFile::LoadResult::Failed);
    QVERIFY(device.memory().store() == fresh.store());
    QVERIFY(!SimStateFile::save(state, device.memory(), m_messages));
    QCOMPARE(m_messages.shown.size(), 2);
    for (const QString& text : m_messages.texts()) {
        QVERIFY2(text.contains(QDir::toNativeSeparators(state)) && text.contains(named),
                 qPrintable(text));
    }
    QCOMPARE(shape(), before);
    QVERIFY(!QFileInfo::exists(path("nothing.PA")));
}

void tst_SimStateFile::linkToAFileIsFollowed()
{
    SimProcessor saved;
    saved.memory().store().setValue(ParamField::Value, 2, 0x40, 33);
    QVERIFY(SimStateFile::save(path("target.PA"), saved.memory(), m_messages));
    QVERIFY(QFile::link(path("target.PA"), path("state.PA")));
    SimProcessor device;
    QCOMPARE(SimStateFile::load(path("state.PA"), device.memory(), m_messages),
             SimStateFile::LoadResult::Loaded);
    QCOMPARE(device.memory().store().value(ParamField::Value, 2, 0x40), quint8(33));
    device.memory().store().setValue(ParamField::Value, 3, 0x40, 7);
    QVERIFY(SimStateFile::save(path("state.PA"), device.memory(), m_messages));
    QVERIFY(QFileInfo(path("state.PA")).isSymLink());
    SimProcessor again;
    QCOMPARE(SimStateFile::load(path("target.PA"), again.memory(), m_messages),
             SimStateFile::LoadResult::Loaded);
    QCOMPARE(again.memory().store().value(ParamField::Value, 3, 0x40), quint8(7));
}

QTEST_GUILESS_MAIN(tst_SimStateFile)
#include "tst_SimStateFile.moc"

#include "FileName.h"
#include "ImportPreset.h"
#include "LocalPath.h"
#include "PresetCodec.h"
#include "PresetFile.h"
#include "PresetTestSupport.h"
#include "ReplaceFile.h"
#include "SavePreset.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using namespace PresetTestSupport;

using FileEdit = std::function<QByteArray(QByteArray)>;
Q_DECLARE_METATYPE(FileEdit)

namespace {

QByteArray replaceLine(QByteArray file, const QByteArray& key, const QByteArray& newLine)
{
    const qsizetype start = file.indexOf("\n" + key + "=") + 1;
    const qsizetype end = file.indexOf('\n', start) + 1;
    return file.replace(start, end - start, newLine);
}

FileEdit setValue(const QByteArray& key, const QByteArray& value)
{
    return [=](QByteArray f) {
        return replaceLine(f, key, key + "=" + value + "\r\n");
    };
}

FileEdit removeKey(const QByteArray& key)
{
    return [=](QByteArray f) {
        return replaceLine(f, key, {});
    };
}

// Lower-case key names, values as they are.
QByteArray lowerCaseKeys(const QByteArray& file)
{
    QByteArrayList lines = file.split('\n');
    for (QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        line = equals < 0 ? line.toLower() : line.left(equals).toLower() + line.mid(equals);
    }
    return lines.join('\n');
}

} // namespace

// Importing: files edited by hand read as Windows reads them; every bad input fails cleanly and
// leaves the store, the window and the processor as they were.
class tst_ImportPreset : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void readsValues_data();
    void readsValues();
    void importsHandEditedFiles_data();
    void importsHandEditedFiles();
    void badFileChangesNothing_data();
    void badFileChangesNothing();
    void noFileDoesNothing_data();
    void noFileDoesNothing();
    void dialogNamesFindTheirFile_data();
    void dialogNamesFindTheirFile();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingMessages m_messages;
    ParamModel m_source;   // what the preset file holds
    QByteArray m_saved;    // the file as the program writes it
    ParamModel m_previous; // the importer's store before the import
};

void tst_ImportPreset::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_messages.shown.clear();
    fillRandom(m_source, 41, true);
    QVERIFY(SavePreset(path("source.PA"), m_source, m_messages));
    m_saved = readFile(path("source.PA"));
    fillRandom(m_previous, 42, true);
}

void tst_ImportPreset::readsValues_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("preset");  // -1: refused
    QTest::addColumn<int>("anyByte"); // the simulator's rule

    QTest::newRow("zero") << QByteArray("0") << 0 << 0;
    QTest::newRow("254") << QByteArray("254") << 254 << 254;
    QTest::newRow("253, which the receiver drops") << QByteArray("253") << -1 << 253;
    QTest::newRow("255, the keep-alive byte") << QByteArray("255") << -1 << 255;
    QTest::newRow("256") << QByteArray("256") << -1 << -1;
    QTest::newRow("negative") << QByteArray("-1") << -1 << -1;
    QTest::newRow("leading zeros") << QByteArray("007") << 7 << 7;
    QTest::newRow("blanks") << QByteArray(" \t12 ") << 12 << 12;
    QTest::newRow("hex as typed by hand") << QByteArray("&HFE") << 254 << 254;
    QTest::newRow("0x hex") << QByteArray("0x10") << 16 << 16;
    QTest::newRow("empty") << QByteArray("") << -1 << -1;
    QTest::newRow("text") << QByteArray("NULL") << -1 << -1;
    QTest::newRow("fraction") << QByteArray("1.5") << -1 << -1;
    QTest::newRow("exponent") << QByteArray("1e2") << -1 << -1;
    QTest::newRow("two numbers") << QByteArray("12 3") << -1 << -1;
    QTest::newRow("trailing comment") << QByteArray("12 ;loud") << -1 << -1;
    QTest::newRow("full-width digit") << QByteArray("\xEF\xBC\x98") << -1 << -1;
    QTest::newRow("Latin-1 blank") << QByteArray("12\xA0") << -1 << -1;
    QTest::newRow("huge") << QByteArray(300, '9') << -1 << -1;
}

void tst_ImportPreset::readsValues()
{
    QFETCH(QByteArray, text);
    QFETCH(int, preset);
    QFETCH(int, anyByte);
    const auto asInt = [](std::optional<quint8> v) {
        return v ? int(*v) : -1;
    };
    QCOMPARE(asInt(PresetCodec::parseByte(text, PresetCodec::ValueRule::Preset)), preset);
    QCOMPARE(asInt(PresetCodec::parseByte(text, PresetCodec::ValueRule::AnyByte)), anyByte);
}

void tst_ImportPreset::importsHandEditedFiles_data()
{
    QTest::addColumn<FileEdit>("edit");

    QTest::newRow("as saved") << FileEdit([](QByteArray f) { return f; });
    QTest::newRow("LF line ends") << FileEdit([](QByteArray f) { return f.replace("\r\n", "\n"); });
    QTest::newRow("no final line end") << FileEdit([](QByteArray f) { return f.trimmed(); });
    QTest::newRow("key and section names in lower case") << FileEdit(lowerCaseKeys);
    QTest::newRow("blanks around names and values") << FileEdit(
        [](QByteArray f) { return f.replace("\r\n", " \t\r\n\t ").replace("=", " = "); });
    QTest::newRow("comments and blank lines") << FileEdit([](QByteArray f) {
        return "; exported for the club\r\n\r\n" +
               f.replace("\r\nGROUP", "\r\n; next\r\n\r\nGROUP");
    });
    QTest::newRow("other sections with the same keys around it") << FileEdit([](QByteArray f) {
        const QByteArray decoy = "[Backup]\r\nType=other\r\nGROUP0.ADDR0=300\r\n\r\n";
        return decoy + f + "\r\n[main]\r\nGROUP0.ADDR0=256\r\n";
    });
    QTest::newRow("unknown keys and later duplicates") << FileEdit([](QByteArray f) {
        return f.replace("Type=ZEV001\r\n", "Type=ZEV001\r\nAuthor=me\r\n") +
               "GROUP0.ADDR0=junk\r\nMENUSHOW.ADDR0=999\r\n";
    });
    QTest::newRow("keys in reverse order") << FileEdit([](QByteArray f) {
        QByteArrayList lines = f.trimmed().split('\n');
        std::reverse(lines.begin() + 1, lines.end());
        return lines.join('\n');
    });
    QTest::newRow("UTF-8 byte order mark")
        << FileEdit([](QByteArray f) { return "\xEF\xBB\xBF" + f; });
    QTest::newRow("quoted and hex values") << FileEdit([](QByteArray f) {
        return replaceLine(replaceLine(f, "COMMON.ADDR192", "COMMON.ADDR192=\"20\"\r\n"),
                           "COMMON.ADDR193", "COMMON.ADDR193=&H19\r\n");
    });
}

void tst_ImportPreset::importsHandEditedFiles()
{
    QFETCH(FileEdit, edit);
    m_source.store().setValue(ParamField::Value, 0, 192, 20);
    m_source.store().setValue(ParamField::Value, 0, 193, 25);
    QVERIFY(SavePreset(path("source.PA"), m_source, m_messages));
    writeFile(path("edited.PA"), edit(readFile(path("source.PA"))));

    ParamModel model = m_previous;
    QCOMPARE(ImportPreset(path("edited.PA"), model, m_messages).result, ImportResult::Imported);
    QVERIFY(m_messages.shown.isEmpty());

    ParamModel expected = m_previous;
    QCOMPARE(ImportPreset(path("source.PA"), expected, m_messages).result, ImportResult::Imported);
    QVERIFY(model.store() == expected.store());
    QCOMPARE(model.menuShow(), expected.menuShow());
    QVERIFY(!(model.store() == m_previous.store()));
}

void tst_ImportPreset::badFileChangesNothing_data()
{
    QTest::addColumn<FileEdit>("edit");
    QTest::addColumn<ImportResult>("result");

    const ImportResult failed = ImportResult::Failed;
    const ImportResult notAPreset = ImportResult::NotAPreset;

    QTest::newRow("band key missing in mode 5") << removeKey("GROUP5.ADDR70.DATA2") << failed;
    QTest::newRow("last menu-show key missing") << removeKey("MENUSHOW.ADDR254") << failed;
    QTest::newRow("empty value") << setValue("GROUP0.ADDR0", "") << failed;
    QTest::newRow("text value") << setValue("GROUP3.ADDR137.DATA3", "loud") << failed;
    QTest::newRow("256") << setValue("COMMON.ADDR200", "256") << failed;
    QTest::newRow("253 in a band") << setValue("GROUP7.ADDR40.DATA1", "253") << failed;
    QTest::newRow("255 in a menu-show flag") << setValue("MENUSHOW.ADDR12", "255") << failed;
    QTest::newRow("bad first of two duplicates") << FileEdit([](QByteArray f) {
        return f.replace("Type=ZEV001\r\n", "Type=ZEV001\r\nGROUP0.ADDR0=300\r\n");
    }) << failed;
    QTest::newRow("truncated in the middle")
        << FileEdit([](QByteArray f) { return f.left(f.size() / 2); }) << failed;
    QTest::newRow("huge file") << FileEdit([](QByteArray f) {
        return f + QByteArray(PresetFile::MaxBytes, ';');
    }) << failed;
    QTest::newRow("wrong type") << setValue("Type", "ZEV002") << notAPreset;
    QTest::newRow("type in lower case") << setValue("Type", "zev001") << notAPreset;
    QTest::newRow("type missing") << removeKey("Type") << notAPreset;
    QTest::newRow("keys outside the Main section")
        << FileEdit([](QByteArray f) { return f.replace("[Main]", "[Preset]"); }) << notAPreset;
    QTest::newRow("truncated in the header")
        << FileEdit([](QByteArray f) { return f.left(9); }) << notAPreset;
    QTest::newRow("empty file") << FileEdit([](QByteArray) { return QByteArray(); }) << notAPreset;
    QTest::newRow("binary file") << FileEdit([](QByteArray) {
        QByteArray bytes(30000, Qt::Uninitialized);
        QRandomGenerator random(3);
        std::generate(bytes.begin(), bytes.end(), [&] { return char(random.bounded(256)); });
        return bytes;
    }) << notAPreset;
}

void tst_ImportPreset::badFileChangesNothing()
{
    QFETCH(FileEdit, edit);
    QFETCH(ImportResult, result);
    writeFile(path("bad.PA"), edit(m_saved));

    ParamModel model = m_previous;
    const ImportOutcome outcome = ImportPreset(path("bad.PA"), model, m_messages);
    QCOMPARE(outcome.result, result);

    QVERIFY(model.store() == m_previous.store());
    QCOMPARE(model.menuShow(), m_previous.menuShow());
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown[0].first, UserMessages::Icon::Critical);
    if (result == ImportResult::Failed) {
        QCOMPARE(m_messages.shown[0].second, QStringLiteral("Import failed!"));
        QVERIFY(!outcome.reason.isEmpty());
    } else {
        QCOMPARE(m_messages.shown[0].second,
                 QStringLiteral("The file you imported is not a specific profile."));
    }
}

void tst_ImportPreset::noFileDoesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty path") << QString();
    QTest::newRow("no such file") << QStringLiteral("missing.PA");
    QTest::newRow("a folder") << QStringLiteral(".");
}

void tst_ImportPreset::noFileDoesNothing()
{
    QFETCH(QString, name);
    ParamModel model = m_previous;
    QCOMPARE(ImportPreset(name.isNull() ? name : path(name), model, m_messages).result,
             ImportResult::NoFile);
    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(model.store() == m_previous.store());
}

void tst_ImportPreset::dialogNamesFindTheirFile_data()
{
    QTest::addColumn<QByteArrayList>("files"); // each holding a preset
    QTest::addColumn<QString>("shown");        // what the dialog gives back
    QTest::addColumn<bool>("imported");
    QTest::newRow("a Latin-1 name") << QByteArrayList{"in\xfe.PA"} << "in\uFFFD.PA" << true;
    QTest::newRow("in a Latin-1 folder")
        << QByteArrayList{"f\xe9/in.PA"} << "f\uFFFD/in.PA" << true;
    QTest::newRow("two names shown alike")
        << QByteArrayList{"in\xfe.PA", "in\xfd.PA"} << "in\uFFFD.PA" << false;
}

void tst_ImportPreset::dialogNamesFindTheirFile()
{
    QFETCH(QByteArrayList, files);
    QFETCH(QString, shown);
    const auto empty = qScopeGuard([this] { emptyFolder(m_dir->path()); });
    for (const QByteArray& name : files) {
        const QByteArray full = QFile::encodeName(m_dir->path()) + '/' + name;
        ::mkdir(LocalPath::folderOf(full).constData(), 0777);
        QCOMPARE(ReplaceFile::write(FileName::fromBytes(full), m_saved), QString());
    }
    ParamModel model = m_previous;
    QTEST(ImportPreset(LocalPath::fromDialog(path(shown)), model, m_messages).result ==
              ImportResult::Imported,
          "imported");
}

QTEST_GUILESS_MAIN(tst_ImportPreset)
#include "tst_ImportPreset.moc"

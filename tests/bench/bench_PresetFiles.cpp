#include "ImportPreset.h"
#include "PresetFile.h"
#include "PresetTestSupport.h"
#include "SavePreset.h"

#include <QTemporaryDir>
#include <QTest>

using namespace PresetTestSupport;

// Whole-file costs of saving and importing, including the largest file an import accepts.
class bench_PresetFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void saveOverExistingFile();
    void importPreset();
    void importLargestAcceptedFile();

private:
    QTemporaryDir m_dir;
    ParamModel m_model;
    RecordingMessages m_messages;
};

void bench_PresetFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    fillRandom(m_model, 61, true);
    QVERIFY(SavePreset(m_dir.filePath("bench.PA"), m_model, m_messages));
    // The preset after comment lines that fill the file up to the size limit.
    const QByteArray preset = readFile(m_dir.filePath("bench.PA"));
    QByteArray padding;
    const QByteArray comment = "; " + QByteArray(60, 'x') + "\r\n";
    while (padding.size() + comment.size() + preset.size() <= PresetFile::MaxBytes) {
        padding += comment;
    }
    writeFile(m_dir.filePath("largest.PA"), padding + preset);
}

void bench_PresetFiles::saveOverExistingFile()
{
    QBENCHMARK
    {
        QVERIFY(SavePreset(m_dir.filePath("bench.PA"), m_model, m_messages));
    }
}

void bench_PresetFiles::importPreset()
{
    ParamModel model;
    QBENCHMARK
    {
        QCOMPARE(ImportPreset(m_dir.filePath("bench.PA"), model, m_messages).result,
                 ImportResult::Imported);
    }
}

void bench_PresetFiles::importLargestAcceptedFile()
{
    ParamModel model;
    QBENCHMARK
    {
        QCOMPARE(ImportPreset(m_dir.filePath("largest.PA"), model, m_messages).result,
                 ImportResult::Imported);
    }
}

QTEST_GUILESS_MAIN(bench_PresetFiles)
#include "bench_PresetFiles.moc"

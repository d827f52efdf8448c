#include "HidRawDescriptorReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Reading descriptors from a sysfs tree laid out in a temporary folder.
class tst_HidRawDescriptorReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readsTheNodesDescriptor();
    void refusesPathsThatAreNoHidrawNode_data();
    void refusesPathsThatAreNoHidrawNode();
    void missingDescriptorGivesDefaultsWithWarning();

private:
    void writeDescriptor(const QString& node, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_sysfs;
};

void tst_HidRawDescriptorReader::init()
{
    m_sysfs = std::make_unique<QTemporaryDir>();
    QVERIFY(m_sysfs->isValid());
}

void tst_HidRawDescriptorReader::writeDescriptor(const QString& node, const QByteArray& bytes)
{
    const QString folder = m_sysfs->filePath(node + QStringLiteral("/device"));
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/report_descriptor"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void tst_HidRawDescriptorReader::readsTheNodesDescriptor()
{
    const QByteArray descriptor = QByteArray::fromHex("8502 7508 9540 8102 8501 9520 9102");
    writeDescriptor(QStringLiteral("hidraw12"), descriptor);
    writeDescriptor(QStringLiteral("hidraw1"), QByteArray::fromHex("7508 9504 8102"));
    const HidRawDescriptorReader reader(m_sysfs->path());

    QCOMPARE(reader.read("/dev/hidraw12"), descriptor);
    const HidReportDescriptor::ReportLengths lengths = reader.reportLengths("/dev/hidraw12");
    QCOMPARE(lengths.input, 65);
    QCOMPARE(lengths.output, 33);
}

void tst_HidRawDescriptorReader::refusesPathsThatAreNoHidrawNode_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("climbs out of the folder") << QByteArray("/dev/hidraw1/../../hidraw1");
    QTest::newRow("another node kind") << QByteArray("/dev/usb/hiddev0");
    QTest::newRow("another platform's path") << QByteArray("DevSrvsID:4294971033");
    QTest::newRow("name with a suffix") << QByteArray("/dev/hidraw1x");
    QTest::newRow("relative") << QByteArray("hidraw1");
}

void tst_HidRawDescriptorReader::refusesPathsThatAreNoHidrawNode()
{
    QFETCH(QByteArray, path);
    // A readable descriptor is there, so a refusal can only come from the path check.
    writeDescriptor(QStringLiteral("hidraw1"), QByteArray::fromHex("7508 9504 8102"));
    const HidRawDescriptorReader reader(m_sysfs->path());

    QCOMPARE(reader.read(path), std::nullopt);
    QCOMPARE(reader.reportLengths(path), HidReportDescriptor::ReportLengths());
}

void tst_HidRawDescriptorReader::missingDescriptorGivesDefaultsWithWarning()
{
    const HidRawDescriptorReader reader(m_sysfs->path());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("cannot read the report descriptor")));
    QCOMPARE(reader.reportLengths("/dev/hidraw7"), HidReportDescriptor::ReportLengths());
}

QTEST_GUILESS_MAIN(tst_HidRawDescriptorReader)
#include "tst_HidRawDescriptorReader.moc"

#include "HidReportDescriptor.h"

#include <QTest>

// Report lengths read from hand-made report descriptors, written as hex item by item.
class tst_HidReportDescriptor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportLengths_data();
    void reportLengths();
};

void tst_HidReportDescriptor::reportLengths_data()
{
    QTest::addColumn<QByteArray>("descriptorHex");
    QTest::addColumn<int>("input");
    QTest::addColumn<int>("output");

    // Vendor page, one application collection, report 2 in and report 1 out, 64 bytes each.
    QTest::newRow("the processor's layout")
        << QByteArray("06 00 FF 09 01 A1 01 85 02 09 01 15 00 26 FF 00 75 08 95 40 81 02"
                      " 85 01 09 01 95 40 91 02 C0")
        << 65 << 65;
    QTest::newRow("no report ids: a byte is still counted for the id")
        << QByteArray("06 00 FF 09 01 A1 01 75 08 95 08 81 02 95 08 91 02 C0") << 9 << 9;
    QTest::newRow("several reports: the longest of each direction")
        << QByteArray("85 01 75 08 95 0A 81 02 85 02 95 1E 81 02 85 03 95 14 81 02 95 20 91 02")
        << 31 << 33;
    QTest::newRow("items of one report add up, bits round up to bytes")
        << QByteArray("85 04 75 01 95 03 81 02 75 05 95 01 81 03 75 08 95 02 81 02"
                      " 85 05 75 01 95 0C 91 02")
        << 4 << 3;
    QTest::newRow("input only: output keeps the default")
        << QByteArray("75 08 95 10 81 02") << 17 << 65;
    QTest::newRow("feature reports do not count")
        << QByteArray("75 08 95 7F B1 02 95 04 81 02") << 5 << 65;
    QTest::newRow("long item skipped, its data not read as items")
        << QByteArray("75 08 95 04 FE 02 10 95 7F 81 02") << 5 << 65;
    QTest::newRow("push and pop restore size and count")
        << QByteArray("75 08 95 04 A4 75 10 95 08 91 02 B4 81 02") << 5 << 17;
    QTest::newRow("two- and four-byte item data")
        << QByteArray("75 08 97 10 00 00 00 81 02 96 00 01 91 02") << 17 << 257;
    QTest::newRow("longer than the link handles: told as it is")
        << QByteArray("85 01 75 08 95 43 91 02") << 65 << 68;
    QTest::newRow("empty") << QByteArray() << 65 << 65;
    QTest::newRow("zero-sized report says nothing") << QByteArray("75 08 95 00 81 02") << 65 << 65;
    QTest::newRow("cut inside an item") << QByteArray("75 08 95 10 81 02 95") << 65 << 65;
    QTest::newRow("cut inside a long item")
        << QByteArray("75 08 95 10 81 02 FE 05 10 AA") << 65 << 65;
    QTest::newRow("pop without push") << QByteArray("75 08 95 10 81 02 B4") << 65 << 65;
    QTest::newRow("absurd size does not overflow")
        << QByteArray("75 20 97 FF FF FF FF 81 02") << 65 << 65;
    QTest::newRow("beyond the kernel's report limit")
        << QByteArray("75 08 96 00 10 81 02 95 01 81 02") << 65 << 65;
}

void tst_HidReportDescriptor::reportLengths()
{
    QFETCH(QByteArray, descriptorHex);
    QFETCH(int, input);
    QFETCH(int, output);

    const HidReportDescriptor::ReportLengths lengths =
        HidReportDescriptor::reportLengths(QByteArray::fromHex(descriptorHex));
    QCOMPARE(lengths.input, input);
    QCOMPARE(lengths.output, output);
}

QTEST_GUILESS_MAIN(tst_HidReportDescriptor)
#include "tst_HidReportDescriptor.moc"

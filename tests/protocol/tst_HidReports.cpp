#include "HidReports.h"

#include <QTest>

class tst_HidReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outputReports_data()
    {
        QTest::addColumn<int>("dataLength");
        QTest::addColumn<int>("reportLength");
        QTest::addColumn<QList<int>>("payloads");

        QTest::newRow("128-byte block into 65-byte reports") << 128 << 65 << QList<int>{63, 63, 2};
        QTest::newRow("a frame that fits") << 7 << 65 << QList<int>{7};
        QTest::newRow("exactly one report") << 63 << 65 << QList<int>{63};
        QTest::newRow("one byte more") << 64 << 65 << QList<int>{63, 1};
        QTest::newRow("small reports") << 7 << 9 << QList<int>{7};
        QTest::newRow("tiny reports") << 7 << 4 << QList<int>{2, 2, 2, 1};
        QTest::newRow("nothing to send") << 0 << 65 << QList<int>{};
        QTest::newRow("no room for a payload") << 7 << 2 << QList<int>{};
    }

    void outputReports()
    {
        QFETCH(int, dataLength);
        QFETCH(int, reportLength);
        QFETCH(QList<int>, payloads);

        QByteArray data(dataLength, '\0');
        for (int i = 0; i < dataLength; ++i) {
            data[i] = char(i + 1);
        }
        const QList<QByteArray> reports = HidReports::buildOutputReports(data, reportLength);
        QCOMPARE(reports.size(), payloads.size());
        QByteArray joined;
        for (int i = 0; i < reports.size(); ++i) {
            const QByteArray& report = reports[i];
            QCOMPARE(report.size(), reportLength);
            QCOMPARE(quint8(report[0]), HidReports::OutputReportId);
            QCOMPARE(int(quint8(report[1])), payloads[i]);
            joined += report.mid(2, payloads[i]);
            // Padding is zero.
            QCOMPARE(report.mid(2 + payloads[i]), QByteArray(reportLength - 2 - payloads[i], '\0'));
        }
        QCOMPARE(joined, payloads.isEmpty() ? QByteArray() : data);
    }

    void inputReports_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QByteArray>("payload");

        QTest::newRow("acknowledgement in a padded report")
            << QByteArray::fromHex("0204FE2323440000") << true << QByteArray::fromHex("FE232344");
        QTest::newRow("length fills the report")
            << QByteArray::fromHex("020201FF") << true << QByteArray::fromHex("01FF");
        QTest::newRow("another report id")
            << QByteArray::fromHex("0104FE232344") << false << QByteArray();
        QTest::newRow("length zero")
            << QByteArray::fromHex("020000000000") << false << QByteArray();
        QTest::newRow("length beyond the bytes read")
            << QByteArray::fromHex("0205FE232344") << false << QByteArray();
        QTest::newRow("truncated report") << QByteArray::fromHex("02") << false << QByteArray();
        QTest::newRow("empty read") << QByteArray() << false << QByteArray();
    }

    void inputReports()
    {
        QFETCH(QByteArray, report);
        QFETCH(bool, accepted);
        const auto payload = HidReports::parseInputReport(report);
        QCOMPARE(payload.has_value(), accepted);
        if (accepted) {
            QTEST(*payload, "payload");
        }
    }
};

QTEST_GUILESS_MAIN(tst_HidReports)
#include "tst_HidReports.moc"

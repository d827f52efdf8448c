#include "ProgressBarColumns.h"

#include <QTest>

namespace {
constexpr quint32 Grey = 0xC0C0C0;
} // namespace

class tst_ProgressBarColumns : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("firstGrey");
        QTest::newRow("half of 400") << 400 << 50 << 100 << 197;
        QTest::newRow("empty") << 400 << 0 << 100 << 0;
        QTest::newRow("1 % shows one column") << 400 << 1 << 100 << 1;
        QTest::newRow("full") << 400 << 100 << 100 << 397;
        // 101 * 1 / 2 = 50.5 rounds to 50 (even).
        QTest::newRow("half rounds to even") << 101 << 1 << 2 << 47;
        QTest::newRow("negative value is empty") << 400 << -5 << 100 << 0;
    }
    void split()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(int, maxValue);
        QFETCH(int, firstGrey);
        const QList<quint32> columns = progressBarColumns(width, value, maxValue);
        QCOMPARE(columns.size(), width - 3);
        for (int i = 0; i < columns.size(); ++i) {
            QCOMPARE(columns[i] == Grey, i >= firstGrey);
        }
    }

    void gradientSpansTheWholeBar()
    {
        const QList<quint32> columns = progressBarColumns(400, 100, 100);
        QCOMPARE(columns.first(), 0xFF0000u);
        // Column 196 of 397: red 255 - 255 * 196 / 397 = 129.1 -> 129, blue 125.9 -> 126.
        QCOMPARE(columns[196], quint32(129 << 16 | 126));
        QCOMPARE(columns.size(), 397);
    }

    void nothingButTheFrame_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maxValue");
        QTest::newRow("value above a lowered maximum") << 400 << 80 << 50;
        QTest::newRow("zero maximum") << 400 << 0 << 0;
        QTest::newRow("too narrow") << 3 << 1 << 2;
    }
    void nothingButTheFrame()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(int, maxValue);
        QVERIFY(progressBarColumns(width, value, maxValue).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_ProgressBarColumns)
#include "tst_ProgressBarColumns.moc"

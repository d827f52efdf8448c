#include "DigitGlyphs.h"

#include <QTest>
#include <limits>

namespace {
constexpr int Zero = 223;
constexpr int Point = 295;
constexpr int Minus = 296;
} // namespace

class tst_DigitGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void glyphs_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("div10");
        QTest::addColumn<QList<int>>("glyphs");
        const auto d = [](int digit) {
            return Zero + digit;
        };
        QTest::newRow("0") << 0 << false << QList<int>{d(0)};
        QTest::newRow("0 div10") << 0 << true << QList<int>{d(0)};
        QTest::newRow("-1234") << -1234 << false << QList<int>{Minus, d(1), d(2), d(3), d(4)};
        QTest::newRow("-1234 div10")
            << -1234 << true << QList<int>{Minus, d(1), d(2), d(3), Point, d(4)};
        QTest::newRow("123 div10") << 123 << true << QList<int>{d(1), d(2), Point, d(3)};
        QTest::newRow("7 div10") << 7 << true << QList<int>{d(0), Point, d(7)};
        QTest::newRow("-7 div10") << -7 << true << QList<int>{Minus, d(0), Point, d(7)};
        QTest::newRow("-55 div10") << -55 << true << QList<int>{Minus, d(5), Point, d(5)};
        QTest::newRow("70 div10") << 70 << true << QList<int>{d(7)};
        QTest::newRow("-10 div10") << -10 << true << QList<int>{Minus, d(1)};
        QTest::newRow("30") << 30 << false << QList<int>{d(3), d(0)};
        QTest::newRow("largest") << std::numeric_limits<qint32>::max() << false
                                 << QList<int>{d(2), d(1), d(4), d(7), d(4),
                                               d(8), d(3), d(6), d(4), d(7)};
        QTest::newRow("most negative")
            << std::numeric_limits<qint32>::min() << false
            << QList<int>{Minus, d(2), d(1), d(4), d(7), d(4), d(8), d(3), d(6), d(4), d(8)};
        QTest::newRow("most negative div10")
            << std::numeric_limits<qint32>::min() << true
            << QList<int>{Minus, d(2), d(1), d(4), d(7), d(4), d(8), d(3), d(6), d(4), Point, d(8)};
    }
    void glyphs()
    {
        QFETCH(int, value);
        QFETCH(bool, div10);
        QFETCH(QList<int>, glyphs);
        QCOMPARE(digitGlyphs(value, div10, Zero, Point), glyphs);
    }
};

QTEST_GUILESS_MAIN(tst_DigitGlyphs)
#include "tst_DigitGlyphs.moc"

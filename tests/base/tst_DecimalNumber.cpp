#include "DecimalNumber.h"

#include <QLocale>
#include <QTest>

class tst_DecimalNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Ordinary decimal notation, read the same whatever the desktop's language.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << "1234" << true << 1234.0;
        QTest::newRow("negative with a point") << "-2.5" << true << -2.5;
        QTest::newRow("plus sign, no whole part") << "+.5" << true << 0.5;
        QTest::newRow("point at the end") << "3." << true << 3.0;
        QTest::newRow("blanks around") << "  15 " << true << 15.0;
        QTest::newRow("decimal comma") << "2,5" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("point alone") << "." << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("hex") << "&H10" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("inner blank") << "1 5" << false << 0.0;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto parsed = parseDecimal(text);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QTEST(*parsed, "value");
        }
    }
};

QTEST_GUILESS_MAIN(tst_DecimalNumber)
#include "tst_DecimalNumber.moc"

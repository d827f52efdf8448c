#include "NumberLiteral.h"

#include <QTest>

class tst_NumberLiteral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("value");

        QTest::newRow("vendor id") << "&H483" << true << qint64(1155);
        QTest::newRow("product id, lower case") << "&h6850" << true << qint64(26704);
        QTest::newRow("one hex digit") << "&HC" << true << qint64(12);
        QTest::newRow("leading blanks of a table entry") << "  15" << true << qint64(15);
        QTest::newRow("blanks around hex") << " &H0B " << true << qint64(11);
        QTest::newRow("0x hex") << "0x33" << true << qint64(0x33);
        QTest::newRow("0X hex, upper case digits") << "0XFe" << true << qint64(0xFE);
        QTest::newRow("negative decimal") << "-5" << true << qint64(-5);
        QTest::newRow("zero") << "0" << true << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("blank") << "   " << false << qint64(0);
        QTest::newRow("prefix only") << "&H" << false << qint64(0);
        QTest::newRow("trailing text") << "12a" << false << qint64(0);
        QTest::newRow("hex digit in decimal") << "1F" << false << qint64(0);
        QTest::newRow("sign after hex prefix") << "&H-5" << false << qint64(0);
        QTest::newRow("inner blank") << "1 2" << false << qint64(0);
        QTest::newRow("too large") << "&HFFFFFFFFFFFFFFFFFFFF" << false << qint64(0);
        QTest::newRow("full-width digits") << "１２" << false << qint64(0);
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, value);
        const auto parsed = parseNumberLiteral(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid) {
            QCOMPARE(*parsed, value);
        }
    }
};

QTEST_GUILESS_MAIN(tst_NumberLiteral)
#include "tst_NumberLiteral.moc"

#include "FormatParam.h"
#include "TagNew.h"

#include <QTest>

using namespace TagNew;

class tst_TagNew : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sliders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("group");
        QTest::addColumn<int>("address");
        QTest::newRow("per mode") << "Group,&H40" << true << true << 0x40;
        QTest::newRow("one hex digit") << "Group,&HC" << true << true << 0x0C;
        QTest::newRow("common") << "Common,&HC5" << true << false << 0xC5;
        QTest::newRow("any other scope is common") << "Shared,&HC5" << true << false << 0xC5;
        QTest::newRow("no address") << "Group" << false << false << 0;
        QTest::newRow("address beyond a byte") << "Group,&H100" << false << false << 0;
        QTest::newRow("too many parts") << "Group,&H40,Value" << false << false << 0;
    }

    void sliders()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const auto binding = parseSlider(text);
        QCOMPARE(binding.has_value(), valid);
        if (valid) {
            QTEST(binding->scope == Scope::Group, "group");
            QTEST(binding->address, "address");
        }
    }

    void displays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("field");
        QTest::newRow("value") << "Group,&H0B,Value" << true << 0x0B << int(DisplayField::Value);
        QTest::newRow("echo delay")
            << "Group,&H81,EchoDly" << true << 0x81 << int(DisplayField::EchoDly);
        QTest::newRow("reverb time")
            << "Group,&H85,RevTime" << true << 0x85 << int(DisplayField::RevTime);
        QTest::newRow("common") << "Common,&HC0,Value" << true << 0xC0 << int(DisplayField::Value);
        QTest::newRow("unknown scope") << "Mode,&HC0,Value" << false << 0 << 0;
        QTest::newRow("unknown field") << "Group,&H40,Volume" << false << 0 << 0;
    }

    void displays()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const auto binding = parseDisplay(text);
        QCOMPARE(binding.has_value(), valid);
        if (valid) {
            QTEST(binding->address, "address");
            QTEST(int(binding->field), "field");
        }
    }

    void echoDelayIsReadThroughItsTable_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("first") << 0 << 15 << 0;
        QTest::newRow("factory") << 27 << 230 << 27;
        QTest::newRow("last") << 31 << 275 << 31;
        QTest::newRow("beyond the table is lowered in the store") << 40 << 275 << 31;
    }

    void echoDelayIsReadThroughItsTable()
    {
        QFETCH(int, byte);
        quint8 entry = quint8(byte);
        QTEST(FormatParam(entry, DisplayField::EchoDly), "shown");
        QTEST(int(entry), "stored");
    }

    void otherFieldsShowTheByte()
    {
        quint8 entry = 35;
        QCOMPARE(FormatParam(entry, DisplayField::RevTime), 35);
        entry = 200;
        QCOMPARE(FormatParam(entry, DisplayField::Value), 200);
        QCOMPARE(entry, quint8(200));
    }
};

QTEST_GUILESS_MAIN(tst_TagNew)
#include "tst_TagNew.moc"

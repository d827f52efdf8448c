#include "BandTable.h"
#include "ParamModel.h"

#include <QTest>

namespace {

ParamModel factoryModel(int group, int mode = 0)
{
    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    model.setCurrentEqGroup(group);
    model.setCurrentMode(mode);
    return model;
}

} // namespace

class tst_BandTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupsBuildTheirRecords_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("addresses");
        QTest::addColumn<QList<int>>("kinds");

        QList<int> mic12;
        for (int a = 0x44; a <= 0x52; ++a) {
            mic12.append(a);
        }
        QList<int> mic12Kinds(15, int(BandKind::Peaking));
        QTest::newRow("microphone 1-2: 15 bands, high cut, low cut")
            << 1 << mic12 + QList<int>{0x42, 0x41}
            << mic12Kinds + QList<int>{int(BandKind::HighCut), int(BandKind::LowCut)};
        QTest::newRow("bass: only its cuts")
            << 6 << QList<int>{0x1D, 0x1C}
            << QList<int>{int(BandKind::HighCut), int(BandKind::LowCut)};
        QTest::newRow("music: low cut last")
            << 0 << QList<int>{3, 4, 5, 6, 7, 8, 9, 1}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, int(BandKind::LowCut)};
        QTest::newRow("centre: no cuts")
            << 4 << QList<int>{0x16, 0x17, 0x18} << QList<int>{0, 0, 0};
    }

    void groupsBuildTheirRecords()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, addresses);
        QFETCH(QList<int>, kinds);
        ParamModel model = factoryModel(group);
        BandTable table;
        table.LoadGroupBands(model);
        QCOMPARE(table.BandCount(), addresses.size());
        for (int i = 0; i < table.BandCount(); ++i) {
            QCOMPARE(int(table.band(i).Address), addresses[i]);
            QCOMPARE(int(table.band(i).Kind), kinds[i]);
            QVERIFY(table.band(i).InUse);
        }
        QVERIFY(!table.band(table.BandCount()).InUse);
    }

    void recordsDecodeTheStore()
    {
        ParamModel model = factoryModel(3, 2);
        model.store().setFields(2, 0x89, {131, 3, 35});
        BandTable table;
        table.LoadGroupBands(model);
        QCOMPARE(table.band(0).Frequency, 1000.0f);
        QCOMPARE(table.band(0).Gain, 14.4f);
        QCOMPARE(table.band(0).Q, 5.0f);
        // The cuts: effect high cut 6000 Hz, low cut 120 Hz, flat, Q 1.4.
        QCOMPARE(table.band(3).Frequency, 6000.0f);
        QCOMPARE(table.band(4).Frequency, 120.0f);
        QCOMPARE(table.band(4).Gain, 0.0f);
        QCOMPARE(table.band(4).Q, 1.4f);
    }

    void zeroQByteIsCorrectedInTheStore()
    {
        ParamModel model = factoryModel(0);
        model.store().setValue(ParamField::Q, 0, 0x05, 0);
        BandTable table;
        table.LoadGroupBands(model);
        QCOMPARE(table.band(2).Q, 0.1f);
        QCOMPARE(model.store().value(ParamField::Q, 0, 0x05), quint8(1));
    }

    void steppingWraps()
    {
        ParamModel model = factoryModel(6);
        BandTable table;
        table.LoadGroupBands(model);
        QCOMPARE(table.previousBand(), 1);
        table.setCurrentBand(1);
        QCOMPARE(table.nextBand(), 0);
    }

    void indicatorStates_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("online");
        QTest::addColumn<int>("offline");
        QTest::newRow("peaking band 2") << 0 << 2 << 2 << 20;
        QTest::newRow("music low cut") << 0 << 7 << 16 << 34;
        QTest::newRow("bass high cut") << 6 << 0 << 15 << 33;
    }

    void indicatorStates()
    {
        QFETCH(int, group);
        QFETCH(int, band);
        ParamModel model = factoryModel(group);
        BandTable table;
        table.LoadGroupBands(model);
        table.setCurrentBand(band);
        QTEST(table.indicatorValue(true), "online");
        QTEST(table.indicatorValue(false), "offline");
    }

    void readouts_data()
    {
        QTest::addColumn<ParamField>("field");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("shown");
        QTest::newRow("20 kHz") << ParamField::Value << 241 << 20000;
        QTest::newRow("+14.4 dB") << ParamField::Gain << 3 << 144;
        QTest::newRow("-15 dB") << ParamField::Gain << 150 << -150;
        QTest::newRow("Q 1.4") << ParamField::Q << 14 << 14;
        QTest::newRow("Q 4 from an in-between byte") << ParamField::Q << 33 << 40;
    }

    void readouts()
    {
        QFETCH(ParamField, field);
        QFETCH(int, byte);
        ParamModel model = factoryModel(0);
        model.store().setValue(field, 1, 0x10, quint8(byte));
        QTEST(BandTable::readout(model, 1, 0x10, field), "shown");
    }
};

QTEST_GUILESS_MAIN(tst_BandTable)
#include "tst_BandTable.moc"

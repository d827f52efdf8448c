#include "EqGroupTable.h"
#include "FactoryDefaults.h"
#include "ParamBlocks.h"
#include "ParamModel.h"
#include "SnapshotRestore.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

// Fills every byte of the store and the menu-show flags with a marker, so a test sees exactly
// what a reset wrote.
void fillWith(ParamModel& model, quint8 marker)
{
    ParamStore::Bytes bytes;
    bytes.fill(marker);
    model.store().setBytes(bytes);
    model.menuShow().fill(1);
}

using ModelWrite = std::function<void(ParamModel&)>;
using Told = QList<QVariantList>; // (mode, address) of each address told, in order

} // namespace

Q_DECLARE_METATYPE(ModelWrite)

class tst_ParamModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void flatLayoutKeepsFieldsThenModesTogether()
    {
        QCOMPARE(ParamStore::offset(ParamField::Value, 0, 0), 0);
        QCOMPARE(ParamStore::offset(ParamField::Q, 0, 0), 2);
        QCOMPARE(ParamStore::offset(ParamField::Value, 1, 0), 3);
        QCOMPARE(ParamStore::offset(ParamField::Value, 0, 1), 24);
        QCOMPARE(ParamStore::offset(ParamField::Q, 7, 255), ParamStore::ByteCount - 1);
    }

    void factoryResetWritesTheSameValuesInEveryMode()
    {
        ParamModel model;
        fillWith(model, 0xAA);
        model.menuShow()[255] = 1;
        model.InitDefaults(ParamModel::FactoryReset);
        const ParamStore& store = model.store();

        for (int mode = 0; mode < 8; ++mode) {
            for (const auto& [address, value] : FactoryDefaults::PerMode) {
                QCOMPARE(store.value(ParamField::Value, mode, address), value);
            }
            // Music band 1 (18 + 2*19 = 56 Hz), 0 dB, Q 1.4.
            QCOMPARE(store.fields(mode, 0x03), (ParamStore::Fields{19, 75, 14}));
            QCOMPARE(store.fields(mode, 0x52), (ParamStore::Fields{233, 75, 14}));
            QCOMPARE(store.fields(mode, 0x21), (ParamStore::Fields{47, 75, 14}));
            QCOMPARE(store.value(ParamField::Value, mode, 0x82), quint8(181));
        }
        for (const auto& [address, value] : FactoryDefaults::Common) {
            QCOMPARE(store.value(ParamField::Value, 0, address), value);
            // Only the mode-0 slot holds common values.
            QCOMPARE(store.value(ParamField::Value, 1, address), quint8(0xAA));
        }
        // Tone and four-way selector have no factory value; only the device fills them.
        QCOMPARE(store.value(ParamField::Value, 0, 0xCE), quint8(0xAA));
        QCOMPARE(store.value(ParamField::Value, 0, 0xCF), quint8(0xAA));
        QCOMPARE(model.menuShow()[0], quint8(0));
        QCOMPARE(model.menuShow()[254], quint8(0));
        QCOMPARE(model.menuShow()[255], quint8(1));
    }

    void factoryResetOfAZeroStoreLeavesToneAndSelectorAtZero()
    {
        ParamModel model;
        model.InitDefaults(ParamModel::FactoryReset);
        QCOMPARE(model.store().value(ParamField::Value, 0, 0xCE), quint8(0));
        QCOMPARE(model.store().value(ParamField::Value, 0, 0xCF), quint8(0));
    }

    void groupResetTouchesOneGroupInOneMode_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("restored");
        QTest::addColumn<QList<int>>("kept"); // addresses of the same mode that must not change

        QTest::newRow("microphone 3")
            << 2 << QList<int>{0x57, 0x5D, 0x54, 0x55} << QList<int>{0x53, 0x56, 0x44};
        QTest::newRow("bass, whose bands the graph does not show")
            << 6 << QList<int>{0x1F, 0x20, 0x21, 0x1C, 0x1D} << QList<int>{0x1B, 0x1E, 0x19};
        QTest::newRow("music, low cut only")
            << 0 << QList<int>{0x03, 0x09, 0x01} << QList<int>{0x00, 0x02, 0x0A};
    }

    void groupResetTouchesOneGroupInOneMode()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, restored);
        QFETCH(QList<int>, kept);

        ParamModel reference;
        reference.InitDefaults(ParamModel::FactoryReset);
        ParamModel model;
        fillWith(model, 0xAA);
        model.setCurrentEqGroup(group);
        model.setCurrentMode(3);
        model.InitDefaults(ParamModel::EqGroupReset);

        for (int address : restored) {
            QCOMPARE(model.store().value(ParamField::Value, 3, address),
                     reference.store().value(ParamField::Value, 3, address));
            QCOMPARE(model.store().value(ParamField::Value, 2, address), quint8(0xAA));
        }
        for (int address : kept) {
            QCOMPARE(model.store().value(ParamField::Value, 3, address), quint8(0xAA));
        }
        // A group reset must not unhide front-panel menu entries.
        QCOMPARE(model.menuShow()[0x57], quint8(1));
    }

    void otherScopesOnlyClearTheMenuFlags()
    {
        ParamModel model;
        fillWith(model, 0xAA);
        const ParamStore before = model.store();
        model.InitDefaults(5);
        QVERIFY(model.store() == before);
        QCOMPARE(model.menuShow()[0x80], quint8(0));
        QCOMPARE(model.menuShow()[255], quint8(1));
    }

    void writesAreToldToWhoeverShowsTheStore_data()
    {
        QTest::addColumn<ModelWrite>("write");
        QTest::addColumn<Told>("told");
        QTest::addColumn<int>("replaced");

        QTest::newRow("a value") << ModelWrite([](ParamModel& m) {
            m.setValue(ParamField::Gain, 3, 0x10, 7);
        }) << Told{{3, 0x10}} << 0;
        QTest::newRow("the byte it held already")
            << ModelWrite([](ParamModel& m) { m.setValue(ParamField::Value, 0, 0xC0, 0); })
            << Told{{0, 0xC0}} << 0;
        QTest::newRow("a group reset, address by address") << ModelWrite([](ParamModel& m) {
            m.setCurrentMode(4);
            m.setCurrentEqGroup(7);
            m.InitDefaults(ParamModel::EqGroupReset);
        }) << Told{{4, 0x26}, {4, 0x27}, {4, 0x28}} << 0;
        QTest::newRow("the whole store")
            << ModelWrite([](ParamModel& m) { m.setStore(ParamStore()); }) << Told{} << 1;
        QTest::newRow("a factory reset")
            << ModelWrite([](ParamModel& m) { m.InitDefaults(ParamModel::FactoryReset); }) << Told{}
            << 1;
        QTest::newRow("a copy's writes") << ModelWrite([](ParamModel& m) {
            ParamModel copy = m;
            copy.setValue(ParamField::Value, 0, 0xC0, 1);
            copy.setStore(ParamStore());
        }) << Told{} << 0;
        QTest::newRow("an undo step sent") << ModelWrite([](ParamModel& m) {
            ParamStore::Bytes snapshot{};
            snapshot[ParamStore::offset(ParamField::Q, 1, 0x05)] = 9;
            snapshot[ParamStore::offset(ParamField::Value, 6, 0x05)] = 9;
            SnapshotRestore restore(m, snapshot);
            while (restore.next()) {
            }
        }) << Told{{1, 0x05}, {6, 0x05}} << 0;
        QTest::newRow("an undo step kept")
            << ModelWrite([](ParamModel& m) { SnapshotRestore(m, ParamStore::Bytes{1}).finish(); })
            << Told{} << 1;
    }

    void writesAreToldToWhoeverShowsTheStore()
    {
        QFETCH(ModelWrite, write);
        QFETCH(int, replaced);

        ParamModel model;
        QSignalSpy changed(&model.changes(), &StoreChanges::changed);
        QSignalSpy replacedSpy(&model.changes(), &StoreChanges::replaced);
        write(model);
        QTEST(Told(changed), "told");
        QCOMPARE(replacedSpy.count(), replaced);
    }

    void groupTableReadsTheTextConstants_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("bands");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("highCut");
        QTest::addColumn<int>("lowCut");
        QTest::addColumn<int>("bypass");

        QTest::newRow("music") << 0 << 7 << 0x03 << 0xFF << 0x01 << 0x02;
        QTest::newRow("microphone 1-2") << 1 << 15 << 0x44 << 0x42 << 0x41 << 0x43;
        QTest::newRow("effect") << 3 << 3 << 0x89 << 0x82 << 0x87 << 0x88;
        QTest::newRow("surround") << 5 << 3 << 0x0F << 0xFF << 0xFF << 0x0E;
        QTest::newRow("bass") << 6 << 0 << 0x1F << 0x1D << 0x1C << 0x1E;
        QTest::newRow("record") << 7 << 3 << 0x26 << 0xFF << 0xFF << 0x25;
    }

    void groupTableReadsTheTextConstants()
    {
        QFETCH(int, group);
        const EqGroup& g = EqGroupTable::instance().group(group);
        QTEST(g.bandCount, "bands");
        QTEST(int(g.firstBand), "first");
        QTEST(int(g.highCut), "highCut");
        QTEST(int(g.lowCut), "lowCut");
        QTEST(int(g.bypass), "bypass");
    }

    void threeFieldAddressesAreBandsAndCuts()
    {
        const EqGroupTable& table = EqGroupTable::instance();
        int count = 0;
        for (const ParamBlock& block : ParamBlocks) {
            for (int a = block.base; a < block.base + block.size; ++a) {
                count += table.usesThreeFields(a) ? 1 : 0;
            }
        }
        // 44 band addresses (the bass group's three included) and 9 cut filters.
        QCOMPARE(count, 7 + 15 + 7 + 3 + 3 + 3 + 3 + 3 + 9);
        QVERIFY(table.usesThreeFields(0x1F));
        QVERIFY(!table.usesThreeFields(0x40));
    }
};

QTEST_GUILESS_MAIN(tst_ParamModel)
#include "tst_ParamModel.moc"

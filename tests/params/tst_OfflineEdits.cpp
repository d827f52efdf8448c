#include "OfflineEdits.h"
#include "ParamModel.h"

#include <QTest>

// Which settings count as edited while no processor answered, and what sending them writes.
class tst_OfflineEdits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editedByValue_data()
    {
        QTest::addColumn<QList<int>>("writes"); // field, mode, address, value; repeated
        QTest::addColumn<int>("unconfirmed");   // an address of mode 2, or -1
        QTest::addColumn<QList<int>>("edited"); // mode, address; repeated
        QTest::newRow("nothing") << QList<int>{} << -1 << QList<int>{};
        QTest::newRow("changed and changed back")
            << QList<int>{0, 1, 0x40, 7, 0, 1, 0x40, 80} << -1 << QList<int>{};
        QTest::newRow("a band's gain, and a common level")
            << QList<int>{1, 3, 0x03, 9, 0, 0, 0xC5, 1} << -1 << QList<int>{0, 0xC5, 3, 0x03};
        QTest::newRow("a byte the processor does not use")
            << QList<int>{1, 0, 0x40, 9} << -1 << QList<int>{};
        QTest::newRow("the write under way as the link went down")
            << QList<int>{} << 0x0B << QList<int>{2, 0x0B};
    }

    void editedByValue()
    {
        QFETCH(QList<int>, writes);
        QFETCH(int, unconfirmed);
        QFETCH(QList<int>, edited);
        ParamModel model;
        model.InitDefaults(ParamModel::FactoryReset);
        OfflineEdits edits;
        QVERIFY(edits.edited(model.store()).isEmpty());
        edits.begin(model.store());
        for (qsizetype i = 0; i + 3 < writes.size(); i += 4) {
            model.store().setValue(AllParamFields[writes[i]], writes[i + 1], writes[i + 2],
                                   quint8(writes[i + 3]));
        }
        if (unconfirmed >= 0) {
            edits.markUnconfirmed({2, unconfirmed});
        }
        QList<int> found;
        const QList<SettingKey> keys = edits.edited(model.store());
        for (const SettingKey& key : keys) {
            found << key.mode << key.address;
        }
        QCOMPARE(found, edited);
        // Sending mine writes my edits over the processor's memory and nothing else of mine.
        ParamModel processor;
        processor.store().setValue(ParamField::Value, 5, 0x41, 3);
        const ParamStore merged = OfflineEdits::merged(processor.store(), model.store(), keys);
        QCOMPARE(SettingDifferences::between(merged, model.store()).size(),
                 SettingDifferences::between(processor.store(), model.store()).size() -
                     keys.size());
        edits.clear();
        QVERIFY(!edits.isTracking() && edits.edited(model.store()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_OfflineEdits)
#include "tst_OfflineEdits.moc"

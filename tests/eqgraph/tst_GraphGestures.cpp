#include "BandTable.h"
#include "GraphGeometry.h"
#include "GraphGestures.h"
#include "ParamModel.h"

#include <QTest>

using GraphGestures::ArrowKey;

Q_DECLARE_METATYPE(GraphGestures::ArrowKey)

class tst_GraphGestures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Where two markers overlap, the band first in record order is taken: a peaking band before
    // the cut at the same place.
    void hitTakesTheFirstRecord()
    {
        ParamModel model;
        model.InitDefaults(ParamModel::FactoryReset);
        model.store().setFields(0, 0x03, {0, 75, 14}); // band 0 at 18 Hz, 0 dB: on the low cut
        BandTable bands;
        bands.LoadGroupBands(model);
        const GraphGeometry g;
        const QPointF lowCut(g.FreqToX(18), g.DbToY(0));
        QCOMPARE(GraphGestures::HitTestBands(bands, g, lowCut), std::optional<int>(0));
        model.store().setValue(ParamField::Value, 0, 0x03, 19);
        bands.LoadGroupBands(model);
        QCOMPARE(GraphGestures::HitTestBands(bands, g, lowCut), std::optional<int>(7));
        QCOMPARE(GraphGestures::HitTestBands(bands, g, lowCut + QPointF(0, 40)), std::nullopt);
    }

    // A press beside the selected marker steps the frequency towards it, one above or below
    // the gain; on the marker, or off both its row and column, nothing.
    void stepTowardsClick_data()
    {
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<ArrowKey>("key");
        QTest::newRow("30 right, 5 lower") << QPointF(30, 5) << ArrowKey::Right;
        QTest::newRow("14 left") << QPointF(-14, 0) << ArrowKey::Left;
        QTest::newRow("30 above") << QPointF(5, -30) << ArrowKey::Up;
        QTest::newRow("14 below") << QPointF(0, 14) << ArrowKey::Down;
        QTest::newRow("on the marker") << QPointF(13, 13) << ArrowKey::None;
        QTest::newRow("diagonal, 20 each way") << QPointF(20, 20) << ArrowKey::None;
    }

    void stepTowardsClick()
    {
        QFETCH(QPointF, offset);
        const GraphGeometry g;
        EqBand band;
        band.Frequency = 1000;
        band.Gain = 3;
        const QPointF marker(g.FreqToX(band.Frequency), g.DbToY(band.Gain));
        QTEST(GraphGestures::StepTowardsClick(band, g, marker + offset), "key");
    }
};

QTEST_GUILESS_MAIN(tst_GraphGestures)
#include "tst_GraphGestures.moc"

#include "BusiestGroup.h"
#include "EqGraphRenderer.h"
#include "ParamModel.h"
#include "SkinImages.h"

#include <QTest>

// One redraw of the equaliser graph as the redraw timer does it: copy the grid picture, then draw
// the curve of the largest group (microphone 1-2: 17 bands, every one boosted or cut), its 17
// markers and the selected band's readout.
class bench_EqGraphRedraw : public QObject
{
    Q_OBJECT

private slots:
    void redraw_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("pixel ratio 1") << qreal(1);
        QTest::newRow("pixel ratio 2") << qreal(2);
    }

    void redraw()
    {
        QFETCH(qreal, ratio);
        SkinImages skin;
        skin.InitSkin();
        ParamModel model;
        BandTable bands;
        loadBusiestGroup(model, bands);
        EqGraphRenderer renderer(skin);
        const QSize size(GraphGeometry::DesignWidth, GraphGeometry::DesignHeight);
        const QImage grid = renderer.drawGrid(size, ratio);
        QCOMPARE(grid.size(), size * ratio);
        QImage work;
        QBENCHMARK
        {
            renderer.drawCurves(work, grid, {&bands, 1, false});
        }
    }
};

QTEST_MAIN(bench_EqGraphRedraw)
#include "bench_EqGraphRedraw.moc"

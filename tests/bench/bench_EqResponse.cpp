#include "BusiestGroup.h"
#include "EqResponse.h"
#include "ParamModel.h"

#include <QTest>

// The curve of the largest group (microphone 1-2: 15 peaking bands and both cuts, every band
// boosted or cut) at the design size: what a redraw computes before it draws.
class bench_EqResponse : public QObject
{
    Q_OBJECT

private slots:
    void seventeenBands()
    {
        ParamModel model;
        BandTable bands;
        loadBusiestGroup(model, bands);
        QCOMPARE(bands.BandCount(), 17);
        EqResponse response;
        QBENCHMARK
        {
            response.groupCurves(bands, 1);
        }
    }
};

QTEST_GUILESS_MAIN(bench_EqResponse)
#include "bench_EqResponse.moc"

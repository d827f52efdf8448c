#include "BandTable.h"
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
        model.InitDefaults(ParamModel::FactoryReset);
        model.setCurrentEqGroup(1);
        for (int address = 0x44; address <= 0x52; ++address) {
            model.store().setValue(1, 0, address, quint8(address % 2 == 0 ? 40 : 110));
        }
        BandTable bands;
        bands.LoadGroupBands(model);
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

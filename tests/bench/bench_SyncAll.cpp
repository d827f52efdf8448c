#include "BulkTransfer.h"
#include "SimulatedDevice.h"

#include <QElapsedTimer>
#include <QTest>

// The whole synchronisation (28 exchanges) against the simulated processor. The processor keeps
// its own account of the time the line is busy (from each frame's arrival to its last reply
// report, on a precise clock); what remains of the total is the program's added time.
class bench_SyncAll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void syncAll_data()
    {
        QTest::addColumn<double>("latencyMs");
        QTest::newRow("zero latency") << 0.0;
        QTest::newRow("1 ms per report") << 1.0;
    }

    void syncAll()
    {
        QFETCH(double, latencyMs);
        SimulatedDevice device;
        BulkTransfer bulk(device.link);
        device.link.setOnline(true);
        device.sim.setLatencyMs(latencyMs);

        QElapsedTimer clock;
        qint64 totalNs = 0;
        int runs = 0;
        device.sim.resetWireTime();
        QBENCHMARK
        {
            clock.start();
            QCoro::waitFor(bulk.SyncAll());
            totalNs += clock.nsecsElapsed();
            ++runs;
        }
        QVERIFY(device.link.isOnline());
        const double total = totalNs / 1e6 / runs;
        const double wire = device.sim.wireTimeNs() / 1e6 / runs;
        qInfo("per SyncAll: total %.3f ms, wire %.3f ms, added %.3f ms (%.1f %% of the wire time)",
              total, wire, total - wire, wire > 0 ? 100 * (total - wire) / wire : 0.0);
    }
};

QTEST_GUILESS_MAIN(bench_SyncAll)
#include "bench_SyncAll.moc"

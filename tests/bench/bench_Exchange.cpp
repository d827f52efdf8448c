#include "Frames.h"
#include "SimulatedDevice.h"

#include <QTest>

// What one exchange costs the program with a processor that answers at once: everything measured
// here is the program's own time (framing, report splitting, event loop, receiver).
class bench_Exchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parameterWrite()
    {
        SimulatedDevice device;
        QBENCHMARK
        {
            QVERIFY(QCoro::waitFor(device.link.SendFrame(
                Frames::Type::ParamWrite, 0, ParamAddress(0x40), 0x50, ReplyTimeout::Normal)));
        }
    }

    void blockWrite128Bytes()
    {
        SimulatedDevice device;
        QBENCHMARK
        {
            QVERIFY(QCoro::waitFor(device.link.SendFrame(
                Frames::Type::BlockWrite, 0, ParamAddress(0x00), 0, ReplyTimeout::Normal)));
        }
    }
};

QTEST_GUILESS_MAIN(bench_Exchange)
#include "bench_Exchange.moc"

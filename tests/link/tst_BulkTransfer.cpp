#include "BulkTransfer.h"
#include "ConnectionSupervisor.h"
#include "Frames.h"
#include "LinkTexts.h"
#include "ParamBlocks.h"
#include "RecordingTransfers.h"
#include "SimulatedDevice.h"

#include <QTest>

namespace {

// "type/mode/address" of every frame the processor received, in order.
QStringList transcript(const SimProcessor& sim)
{
    QStringList lines;
    for (const auto& frame : sim.receivedFrames()) {
        lines.append(QStringLiteral("%1/%2/%3")
                         .arg(frame.type)
                         .arg(frame.mode)
                         .arg(frame.address, 2, 16, QLatin1Char('0'))
                         .toUpper());
    }
    return lines;
}

QStringList blockSequence(int type)
{
    QStringList lines{QStringLiteral("%1/0/C0").arg(type)};
    for (int mode = 0; mode < 8; ++mode) {
        for (const char* base : {"00", "40", "80"}) {
            lines.append(QStringLiteral("%1/%2/%3").arg(type).arg(mode).arg(QLatin1String(base)));
        }
    }
    return lines;
}

// Every parameter byte the blocks carry, in every mode.
bool sameBlockBytes(const ParamStore& a, const ParamStore& b)
{
    for (const ParamBlock& block : ParamBlocks) {
        for (int mode = 0; mode < 8; ++mode) {
            for (int address = block.base; address < block.base + block.size; ++address) {
                const int slot = block.common ? 0 : mode;
                if (a.fields(slot, address) != b.fields(slot, address)) {
                    return false;
                }
            }
        }
    }
    return true;
}

// Processor memory that differs from the factory values everywhere it matters.
void changeEveryBlock(SimProcessor& sim)
{
    for (const ParamBlock& block : ParamBlocks) {
        for (int mode = 0; mode < 8; ++mode) {
            for (int a = block.base; a < block.base + block.size; ++a) {
                sim.memory().store().setFields(block.common ? 0 : mode, a,
                                               {quint8((a + mode) % 200), quint8(mode), 7});
            }
        }
    }
    for (int a = 0; a < 0xC0; ++a) {
        sim.memory().menuShow()[a] = quint8(a % 2);
    }
}

struct Transfers
{
    explicit Transfers(double scale = 1.0)
        : device(scale)
        , bulk(device.link)
        , ui(bulk)
        , supervisor(device.link, bulk)
    {}

    SimulatedDevice device;
    BulkTransfer bulk;
    RecordingTransfers ui;
    ConnectionSupervisor supervisor;
};

} // namespace

class tst_BulkTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handshakeSynchronisesEverything()
    {
        Transfers t;
        changeEveryBlock(t.device.sim);
        t.device.link.log().setEnabled(true);

        QVERIFY(QCoro::waitFor(t.supervisor.Handshake()));

        QStringList expected{QStringLiteral("15/0/00")};
        expected += blockSequence(int(Frames::Type::BlockRead));
        expected += QStringList{"5/0/00", "5/0/40", "5/0/80"};
        QCOMPARE(transcript(t.device.sim), expected);
        QCOMPARE(t.device.link.progressCount(), 28);
        QVERIFY(sameBlockBytes(t.device.model.store(), t.device.sim.memory().store()));
        for (int a = 0; a < 0xC0; ++a) {
            const bool inBlock = blockContaining(a).has_value();
            QCOMPARE(t.device.model.menuShow()[a], inBlock ? quint8(a % 2) : quint8(0));
        }
        QCOMPARE(t.ui.calls, (QStringList{"started 25", "store read", "completed"}));
        QVERIFY(t.device.link.isOnline());
        QVERIFY(t.device.link.log().text().contains(ConnectionSupervisor::OnlineEntry));
        QVERIFY(t.device.messages.shown.isEmpty());
    }

    void uploadWritesEveryBlock_data()
    {
        QTest::addColumn<bool>("endWithModeSelect");
        QTest::addColumn<QString>("lastFrame");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("upload button")
            << false << "3/0/00" << QStringList{"started 25", "progress 25", "completed"};
        QTest::newRow("after a preset import")
            << true << "4/5/00" << QStringList{"started 25", "completed"};
    }

    void uploadWritesEveryBlock()
    {
        QFETCH(bool, endWithModeSelect);
        QFETCH(QString, lastFrame);
        Transfers t;
        t.device.link.setOnline(true);
        t.device.model.setCurrentMode(5);
        t.device.model.store().setFields(5, 0x44, {1, 2, 3});
        t.device.model.store().setValue(ParamField::Value, 0, 0xC7, 44);

        QCoro::waitFor(t.bulk.UploadAll(endWithModeSelect));

        QStringList expected = blockSequence(int(Frames::Type::BlockWrite));
        expected.append(lastFrame);
        QCOMPARE(transcript(t.device.sim), expected);
        QVERIFY(sameBlockBytes(t.device.model.store(), t.device.sim.memory().store()));
        QTEST(t.ui.calls, "calls");
        QCOMPARE(t.device.link.progressCount(), endWithModeSelect ? 26 : 25);
    }

    void nothingMovesWhileOffline()
    {
        Transfers t;
        QCoro::waitFor(t.bulk.UploadAll(false));
        QCoro::waitFor(t.bulk.SyncAll());
        QVERIFY(t.device.sim.receivedFrames().isEmpty());
        QCOMPARE(t.device.messages.texts(), QStringList(2, LinkTexts::text(LinkNotice::NotOnline)));
        QVERIFY(t.ui.calls.isEmpty());
    }

    void silentProcessorStopsTheSyncAfterTheFirstFrame()
    {
        Transfers t(0.05);
        t.device.link.setOnline(true);
        t.device.sim.setFault(SimFault::Silent);
        QCoro::waitFor(t.bulk.SyncAll());
        QCOMPARE(transcript(t.device.sim), QStringList(8, QStringLiteral("1/0/C0")));
        QCOMPARE(t.device.messages.texts(),
                 QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)});
        QCOMPARE(t.ui.calls, (QStringList{"started 25", "store read", "failed"}));
        QVERIFY(!t.device.link.isOnline());
    }

    void unplugDuringASyncKeepsWhatWasRead()
    {
        Transfers t(0.05);
        changeEveryBlock(t.device.sim);
        t.device.link.setOnline(true);
        // Five blocks arrive, the processor is pulled out as the sixth is asked for.
        t.device.sim.queueFaults({SimFault::None, SimFault::None, SimFault::None, SimFault::None,
                                  SimFault::None, SimFault::Unplug});
        QCoro::waitFor(t.bulk.SyncAll());
        QCOMPARE(t.device.sim.receivedFrames().size(), 6);
        QCOMPARE(t.device.messages.texts(),
                 QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)});
        QVERIFY(!t.device.link.isOnline());
        // Mode 0 and the common block came through; mode 1's second block did not.
        QCOMPARE(t.device.model.store().fields(1, 0x00),
                 t.device.sim.memory().store().fields(1, 0x00));
        QVERIFY(t.device.model.store().fields(1, 0x44) !=
                t.device.sim.memory().store().fields(1, 0x44));
    }
};

QTEST_GUILESS_MAIN(tst_BulkTransfer)
#include "tst_BulkTransfer.moc"

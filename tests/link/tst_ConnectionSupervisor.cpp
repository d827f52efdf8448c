#include "BulkTransfer.h"
#include "ConnectionSupervisor.h"
#include "Frames.h"
#include "LinkTexts.h"
#include "RecordingTransfers.h"
#include "SimulatedDevice.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Quick supervision intervals; the exchange time-outs stay long so that a healthy processor is
// never taken for a silent one on a busy machine.
LinkTimings quickSupervision()
{
    LinkTimings t;
    t.keepAlive = std::chrono::milliseconds(20);
    t.connectTimeout = std::chrono::milliseconds(150);
    t.firstConnect = std::chrono::milliseconds(1);
    t.connectRetry = std::chrono::milliseconds(40);
    return t;
}

struct Supervised : SimulatedDevice
{
    Supervised()
        : SimulatedDevice(quickSupervision())
        , bulk(link)
        , ui(bulk)
        , supervisor(link, bulk)
    {}

    int handshakes() const { return framesOfType(Frames::Type::Handshake); }

    BulkTransfer bulk;
    RecordingTransfers ui;
    ConnectionSupervisor supervisor;
};

} // namespace

class tst_ConnectionSupervisor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comesOnlineAndStaysOnline()
    {
        Supervised s;
        QSignalSpy online(&s.link, &DeviceLink::onlineChanged);
        s.supervisor.start();
        QTRY_VERIFY(s.link.isOnline());
        QCOMPARE(online.first().first().toBool(), true);
        // Several keep-alive periods and time-out periods pass with every echo answered.
        QTest::qWait(400);
        QVERIFY(s.link.isOnline());
        QVERIFY(s.sim.keepAlivesReceived() >= 5);
        QCOMPARE(s.handshakes(), 1);
        QVERIFY(s.messages.shown.isEmpty());
    }

    void lostEchoesTakeTheLinkOfflineOnce()
    {
        Supervised s;
        s.supervisor.start();
        QTRY_VERIFY(s.link.isOnline());
        QSignalSpy online(&s.link, &DeviceLink::onlineChanged);
        s.sim.setEchoKeepAlive(false);
        // The processor still answers frames, so the next handshake brings it back; the
        // message comes once per loss.
        QTRY_VERIFY(!s.messages.shown.isEmpty());
        QCOMPARE(s.messages.texts().first(), LinkTexts::text(LinkNotice::KeepAliveLost));
        QCOMPARE(online.first().first().toBool(), false);
    }

    void replugBringsTheLinkBackWithASync()
    {
        Supervised s;
        s.supervisor.start();
        QTRY_VERIFY(s.link.isOnline());
        s.sim.unplug();
        QTRY_VERIFY(!s.link.isOnline());
        s.sim.memory().store().setValue(ParamField::Value, 2, 0x40, 33);
        s.sim.replug();
        QTRY_VERIFY(s.link.isOnline());
        QTRY_COMPARE(s.model.store().value(ParamField::Value, 2, 0x40), quint8(33));
        QCOMPARE(s.handshakes(), 2);
        QCOMPARE(s.messages.texts(), QStringList{LinkTexts::text(LinkNotice::KeepAliveLost)});
        // The message about the loss is taken back once the processor answers again.
        QCOMPARE(s.messages.withdrawn, QStringList{LinkTexts::text(LinkNotice::KeepAliveLost)});
    }

    // One loss, one message: the keep-alive time-out tells the user while a send is still
    // retrying; the send's own failure, coming later, says nothing.
    void aLossIsToldOnce()
    {
        Supervised s;
        s.supervisor.start();
        QTRY_VERIFY(s.link.isOnline());
        s.sim.setEchoKeepAlive(false);
        s.sim.setFault(SimFault::AckOnly);
        constexpr std::chrono::milliseconds ShortReply{
            100}; // eight attempts: longer than the time-out
        QVERIFY(!QCoro::waitFor(
            s.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 1, ShortReply)));
        QCOMPARE(s.messages.texts(), QStringList{LinkTexts::text(LinkNotice::KeepAliveLost)});
        QVERIFY(!s.link.isOnline());
    }

    void noProcessorMeansQuietRetries()
    {
        Supervised s;
        s.sim.unplug();
        s.supervisor.start();
        QTest::qWait(300);
        QVERIFY(!s.link.isOnline());
        QVERIFY(s.messages.shown.isEmpty());
        QVERIFY(s.ui.calls.isEmpty());
    }

    void stopEndsTheRetries()
    {
        Supervised s;
        s.sim.setFault(SimFault::Silent);
        s.supervisor.start();
        QTRY_VERIFY(s.handshakes() >= 1);
        s.supervisor.stop();
        QTest::qWait(20); // let a running handshake end
        const int count = s.handshakes();
        QTest::qWait(200);
        QCOMPARE(s.handshakes(), count);
    }
};

QTEST_GUILESS_MAIN(tst_ConnectionSupervisor)
#include "tst_ConnectionSupervisor.moc"

#include "Frames.h"
#include "LinkSequence.h"
#include "LinkTexts.h"
#include "SimulatedDevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// Short enough that eight failed attempts take a fraction of a second.
constexpr double FailingScale = 0.05;

// Runs action once, the first time the processor answers anything: that is inside the wait of
// the exchange in progress.
void duringTheNextReply(SimProcessor& sim, std::function<void()> action)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&sim, &SimProcessor::inputReport, &sim, [connection, action] {
        QObject::disconnect(*connection);
        action();
    });
}

// The outcome of a send: waits for it with the event loop running (at once when it is known).
bool outcome(QCoro::Task<bool> send)
{
    return QCoro::waitFor(std::move(send));
}

QList<int> addressesWritten(const SimProcessor& sim)
{
    QList<int> addresses;
    for (const auto& frame : sim.receivedFrames()) {
        addresses.append(frame.address);
    }
    return addresses;
}

} // namespace

class tst_DeviceLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void healthyExchangeTakesOneAttempt()
    {
        SimulatedDevice device;
        QVERIFY(outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 0x50,
                                              ReplyTimeout::Normal)));
        QCOMPARE(device.sim.receivedFrames().size(), 1);
        QCOMPARE(device.sim.memory().store().value(ParamField::Value, 0, 0x40), quint8(0x50));
        QCOMPARE(device.link.reply().size(), 4);
        QCOMPARE(device.link.progressCount(), 1);
        QVERIFY(device.messages.shown.isEmpty());
        QVERIFY(!device.link.isBusy());
    }

    void blockReadBringsTheProcessorsBytes()
    {
        SimulatedDevice device;
        device.sim.memory().store().setFields(3, 0x89, {200, 10, 31});
        device.sim.setReplyChunk(5); // the reply arrives in many small reports
        QVERIFY(outcome(device.link.SendFrame(Frames::Type::BlockRead, 3, ParamAddress(0x80), 0,
                                              ReplyTimeout::Normal)));
        const QByteArray reply = device.link.reply();
        QCOMPARE(reply.size(), 37);
        QCOMPARE(reply.mid(9 * 3, 3), QByteArray::fromHex("C80A1F"));
    }

    void failedExchanges_data()
    {
        QTest::addColumn<SimFault>("fault");
        QTest::addColumn<bool>("handshake");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("acknowledgementsLogged");
        QTest::addColumn<bool>("message");

        QTest::newRow("silent processor") << SimFault::Silent << false << 8 << 0 << true;
        QTest::newRow("acknowledgement without data")
            << SimFault::AckOnly << false << 8 << 8 << true;
        QTest::newRow("damaged data frame") << SimFault::CorruptData << false << 8 << 8 << true;
        QTest::newRow("handshake to a silent processor")
            << SimFault::Silent << true << 1 << 0 << false;
    }

    void failedExchanges()
    {
        QFETCH(SimFault, fault);
        QFETCH(bool, handshake);
        QFETCH(int, attempts);
        QFETCH(int, acknowledgementsLogged);
        QFETCH(bool, message);

        SimulatedDevice device(FailingScale);
        device.link.log().setEnabled(true);
        device.link.setOnline(true);
        device.link.setHandshakeActive(handshake);
        device.sim.setFault(fault);
        QSignalSpy offline(&device.link, &DeviceLink::onlineChanged);

        QVERIFY(!outcome(device.link.SendFrame(Frames::Type::BlockRead, 0, ParamAddress(0x00), 0,
                                               ReplyTimeout::Normal)));

        QCOMPARE(device.sim.receivedFrames().size(), attempts);
        QCOMPARE(device.link.log().text().count(QStringLiteral("发送: FE,10,00")), attempts);
        // Every retry waits for a fresh acknowledgement, even after one arrived before.
        QCOMPARE(device.link.log().text().count(QStringLiteral("接收: FE,23,23,44")),
                 acknowledgementsLogged);
        QCOMPARE(device.link.progressCount(), 1);
        if (message) {
            QCOMPARE(device.messages.texts(),
                     QStringList{LinkTexts::text(LinkNotice::ExchangeTimedOut)});
            QVERIFY(!device.link.isOnline());
            QCOMPARE(offline.count(), 1);
        } else {
            QVERIFY(device.messages.shown.isEmpty());
            QVERIFY(device.link.isOnline()); // the handshake's failure changes nothing
        }
    }

    void retryAfterAMissingDataFrameSucceeds()
    {
        SimulatedDevice device(FailingScale);
        device.sim.queueFaults({SimFault::AckOnly, SimFault::NoiseFirst});
        QVERIFY(outcome(device.link.SendFrame(Frames::Type::BlockRead, 0, ParamAddress(0xC0), 0,
                                              ReplyTimeout::Normal)));
        QCOMPARE(device.sim.receivedFrames().size(), 2);
        QCOMPARE(device.link.reply().size(), 49);
        QCOMPARE(quint8(device.link.reply()[0]), quint8(20)); // 0xC0 factory value
    }

    void closingEndsTheWaitAtOnce()
    {
        SimulatedDevice device; // full-length time-outs: only Closing can end the wait early
        device.link.setOnline(true);
        device.sim.setFault(SimFault::Silent);
        QTimer::singleShot(20, &device.link, [&] { device.link.setClosing(); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 1,
                                               ReplyTimeout::Normal)));
        QVERIFY2(clock.elapsed() < 290, "the 300 ms acknowledgement wait ran to its end");
        QCOMPARE(device.sim.receivedFrames().size(), 1);
        // Closing is not a lost device: no time-out message.
        QVERIFY(device.messages.shown.isEmpty());
        // Later exchanges fail without sending anything.
        QVERIFY(!outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 1,
                                               ReplyTimeout::Normal)));
        QCOMPARE(device.sim.receivedFrames().size(), 1);
    }

    void writesAskedForDuringAnExchangeWaitTheirTurn()
    {
        SimulatedDevice device;
        device.link.setOnline(true);
        device.sim.setLatencyMs(2);
        QList<bool> laterResults;
        duringTheNextReply(device.sim, [&] {
            // Each is known at once: a write waits its turn...
            laterResults.append(outcome(
                device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x41), 3, 1000ms)));
            laterResults.append(outcome(
                device.link.SendFrame(Frames::Type::ModeSelect, 2, ParamAddress(0), 0, 1000ms)));
            // ...and a newer write of the same address replaces the older one.
            laterResults.append(outcome(
                device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x41), 4, 1000ms)));
            // Anything but a single write is refused outright.
            laterResults.append(outcome(
                device.link.SendFrame(Frames::Type::BlockRead, 0, ParamAddress(0xC0), 0, 1000ms)));
            laterResults.append(outcome(
                device.link.SendFrame(Frames::Type::Handshake, 0, ParamAddress(0), 0x33, 500ms)));
        });

        QVERIFY(outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 7,
                                              ReplyTimeout::Normal)));
        QTRY_VERIFY(!device.link.isBusy());

        QCOMPARE(laterResults, (QList<bool>{true, true, true, false, false}));
        QCOMPARE(addressesWritten(device.sim), (QList<int>{0x40, 0x41, 0x00}));
        QCOMPARE(device.sim.receivedFrames()[2].type, int(Frames::Type::ModeSelect));
        QCOMPARE(device.sim.memory().store().value(ParamField::Value, 0, 0x41), quint8(4));
        QCOMPARE(device.sim.memory().currentMode(), 2);
        QCOMPARE(device.link.pendingWriteCount(), 0);
    }

    // A pending write is replaced only by a newer write to the same place; writes to other
    // places keep their own turn.
    void pendingWritesAreKeyedByModeAndAddress_data()
    {
        QTest::addColumn<int>("secondMode");
        QTest::addColumn<int>("secondAddress");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("another address") << 0 << 0x42 << QStringList{"0/40/7", "0/41/3", "0/42/4"};
        QTest::newRow("another mode") << 5 << 0x41 << QStringList{"0/40/7", "0/41/3", "5/41/4"};
        QTest::newRow("the same place") << 0 << 0x41 << QStringList{"0/40/7", "0/41/4"};
    }

    void pendingWritesAreKeyedByModeAndAddress()
    {
        QFETCH(int, secondMode);
        QFETCH(int, secondAddress);
        SimulatedDevice device;
        device.link.setOnline(true);
        duringTheNextReply(device.sim, [&] {
            device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x41), 3,
                                  ReplyTimeout::Normal);
            device.link.SendFrame(Frames::Type::ParamWrite, secondMode, ParamAddress(secondAddress),
                                  4, ReplyTimeout::Normal);
        });

        QVERIFY(outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 7,
                                              ReplyTimeout::Normal)));
        QTRY_VERIFY(!device.link.isBusy());

        QStringList sent;
        for (const auto& frame : device.sim.receivedFrames()) {
            sent.append(QStringLiteral("%1/%2/%3")
                            .arg(frame.mode)
                            .arg(frame.address, 2, 16, QLatin1Char('0'))
                            .arg(quint8(frame.bytes[3])));
        }
        QTEST(sent, "sent");
    }

    void pendingWritesAreDroppedWhenTheLinkIsLost()
    {
        SimulatedDevice device(FailingScale);
        device.link.setOnline(true);
        device.sim.setFault(SimFault::Silent);
        QTimer::singleShot(0, &device.link, [&] {
            device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x41), 3,
                                  ReplyTimeout::Normal);
        });
        QVERIFY(!outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 7,
                                               ReplyTimeout::Normal)));
        QCOMPARE(device.sim.receivedFrames().size(), 8);
        QVERIFY(!addressesWritten(device.sim).contains(0x41));
        QCOMPARE(device.link.pendingWriteCount(), 0);
    }

    void sequenceHoldsOtherWritesUntilItEnds()
    {
        SimulatedDevice device;
        device.link.setOnline(true);
        {
            LinkSequence sequence(device.link);
            QVERIFY(sequence.isOpen());
            QVERIFY(device.link.isBusy());
            QVERIFY(!LinkSequence(device.link).isOpen());
            QVERIFY(outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x41),
                                                  9, ReplyTimeout::Normal)));
            QVERIFY(outcome(sequence.SendFrame(Frames::Type::BlockRead, 0, ParamAddress(0xC0), 0,
                                               ReplyTimeout::Normal)));
            QCOMPARE(device.sim.receivedFrames().size(), 1);
        }
        QVERIFY(device.link.isBusy()); // the waiting write goes out now
        QTRY_VERIFY(!device.link.isBusy());
        QCOMPARE(addressesWritten(device.sim), (QList<int>{0xC0, 0x41}));
    }

    void notificationChangesNoStoredByte()
    {
        SimulatedDevice device;
        QSignalSpy notified(&device.link, &DeviceLink::notificationReceived);
        const ParamStore before = device.model.store();
        device.sim.sendNotification();
        QTRY_COMPARE(notified.count(), 1);
        QVERIFY(device.model.store() == before);
    }

    void logShowsTheExchange()
    {
        SimulatedDevice device;
        device.link.log().setEnabled(true);
        device.link.setHandshakeActive(true);
        QVERIFY(outcome(device.link.SendFrame(Frames::Type::Handshake, 0, ParamAddress(0), 0x33,
                                              ReplyTimeout::Handshake)));
        QCOMPARE(device.link.log().text(), QStringLiteral("\r\n发送: FE,F0,00,33,00,23,44"
                                                          "\r\n接收: FE,23,23,44"
                                                          "\r\n接收: 33,00,00,33"));
    }

    void keepAliveIsLoggedOnlyWhenAskedFor_data()
    {
        QTest::addColumn<bool>("showKeepAlive");
        QTest::addColumn<QString>("text");
        QTest::newRow("shown") << true << QStringLiteral("\r\n发送: FF 同步字\r\n接收: FF");
        QTest::newRow("hidden") << false << QString();
    }

    void keepAliveIsLoggedOnlyWhenAskedFor()
    {
        QFETCH(bool, showKeepAlive);
        SimulatedDevice device;
        device.link.log().setEnabled(true);
        device.link.log().setShowsKeepAlive(showKeepAlive);
        QSignalSpy echoed(&device.link, &DeviceLink::keepAliveEchoed);
        device.link.SendKeepAlive();
        QTRY_COMPARE(echoed.count(), 1);
        QTEST(device.link.log().text(), "text");
    }

    void noiseIsLoggedEvenWithTheLogClosed()
    {
        SimulatedDevice device;
        device.sim.setNoiseLength(2);
        device.sim.queueFaults({SimFault::NoiseFirst});
        QVERIFY(outcome(device.link.SendFrame(Frames::Type::ParamWrite, 0, ParamAddress(0x40), 1,
                                              ReplyTimeout::Normal)));
        QCOMPARE(device.link.log().text().count(DeviceLink::ChecksumFailedEntry), 2);
    }
};

QTEST_GUILESS_MAIN(tst_DeviceLink)
#include "tst_DeviceLink.moc"

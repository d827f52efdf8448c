#include "FramePayload.h"
#include "HidReports.h"
#include "SimFaultPlan.h"
#include "SimProcessor.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Talks to the processor at report level and collects the payload bytes it sends back.
struct Wire
{
    explicit Wire(SimProcessor& processor)
        : sim(processor)
    {
        QObject::connect(&sim, &SimProcessor::inputReport, &sim, [this](const QByteArray& report) {
            const auto payload = HidReports::parseInputReport(report);
            QVERIFY(payload);
            received += *payload;
            ++reports;
        });
    }

    void send(const QByteArray& bytes)
    {
        for (const QByteArray& report : HidReports::buildOutputReports(bytes, 65)) {
            sim.receiveOutputReport(report);
        }
    }

    SimProcessor& sim;
    QByteArray received;
    int reports = 0;
};

QByteArray frame(Frames::Type type, int mode, int address, int value, const ParamModel& model)
{
    return *FramePayload::frame(type, mode, ParamAddress(address), value, model);
}

QByteArray withChecksum(QByteArray data)
{
    data.append(char(Frames::checksum(data)));
    return data;
}

} // namespace

class tst_SimProcessor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void repliesOnlyThroughTheEventLoop()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        wire.send(frame(Frames::Type::Handshake, 0, 0, 0x33, model));
        QVERIFY(wire.received.isEmpty());
        QTRY_COMPARE(wire.received, Frames::acknowledgement() + QByteArray::fromHex("33000033"));
    }

    void parameterWriteUsesFieldsOneAndTwoOnlyForBandsAndCuts_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("threeFields");
        QTest::newRow("music band") << 0x05 << true;
        QTest::newRow("bass band the graph does not show") << 0x20 << true;
        QTest::newRow("effect low cut") << 0x87 << true;
        QTest::newRow("volume") << 0x40 << false;
        QTest::newRow("common level") << 0xC5 << false;
    }

    void parameterWriteUsesFieldsOneAndTwoOnlyForBandsAndCuts()
    {
        QFETCH(int, address);
        QFETCH(bool, threeFields);
        SimProcessor sim;
        Wire wire(sim);
        const ParamStore::Fields before = sim.memory().store().fields(4, address);
        ParamModel model;
        model.store().setFields(4, address, {100, 20, 31});
        wire.send(frame(Frames::Type::ParamWrite, 4, address, Frames::StoredBytes, model));
        QTRY_COMPARE(wire.received.size(), 8);
        const ParamStore::Fields after = sim.memory().store().fields(4, address);
        QCOMPARE(after[0], quint8(100));
        QCOMPARE(after[1], threeFields ? quint8(20) : before[1]);
        QCOMPARE(after[2], threeFields ? quint8(31) : before[2]);
    }

    void blockWriteThenReadReturnsTheSameBytes()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        for (int a = 0x40; a < 0x40 + 30; ++a) {
            model.store().setFields(6, a, {quint8(a), quint8(a + 1), quint8(a + 2)});
        }
        wire.send(frame(Frames::Type::BlockWrite, 6, 0x40, 0, model));
        wire.send(frame(Frames::Type::BlockRead, 6, 0x40, 0, model));
        QTRY_COMPARE(wire.received.size(), 4 + 4 + 4 + 91);
        const QByteArray reply = wire.received.right(91);
        QCOMPARE(quint8(reply.back()), Frames::checksum(reply.first(90)));
        QCOMPARE(reply.mid(3, 3), QByteArray::fromHex("414243"));
        QCOMPARE(sim.receivedFrames().size(), 2);
    }

    void commonBlockIsReadFromTheModeZeroSlot()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        wire.send(frame(Frames::Type::BlockRead, 5, 0xC0, 0, model));
        QTRY_COMPARE(wire.received.size(), 4 + 49);
        QCOMPARE(quint8(wire.received[4]), quint8(20));
    }

    void menuFlagsAndPasswordTravelBothWays()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        model.menuShow()[0x82] = 1;
        const QByteArray password("secret123");
        std::copy(password.begin(), password.end(), model.password().begin());
        wire.send(frame(Frames::Type::PasswordRead, 0, 0, 0, model));
        wire.send(frame(Frames::Type::MenuShowWrite, 0, 0x80, 0, model));
        wire.send(frame(Frames::Type::PasswordWrite, 0, 0, 0, model));
        QTRY_COMPARE(wire.received.size(), 14 + 8 + 8);
        QCOMPARE(wire.received.mid(4, 10), withChecksum(SimProcessor::FactoryPassword));
        QCOMPARE(sim.memory().menuShow()[0x82], quint8(1));
        QCOMPARE(sim.memory().menuShow()[0x81], quint8(0));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(sim.memory().password().data()), 9),
                 password);
    }

    void keepAliveIsEchoedOutsideFrames()
    {
        SimProcessor sim;
        Wire wire(sim);
        wire.send(QByteArray::fromHex("FFFF"));
        QTRY_COMPARE(wire.received, QByteArray::fromHex("FFFF"));
        QCOMPARE(sim.keepAlivesReceived(), 2);
        sim.setEchoKeepAlive(false);
        wire.send(QByteArray::fromHex("FF"));
        QTest::qWait(20);
        QCOMPARE(wire.received.size(), 2);
    }

    void damagedFrameIsIgnored()
    {
        SimProcessor sim;
        Wire wire(sim);
        wire.send(QByteArray::fromHex("FE00405000008F"));
        QTest::qWait(20);
        QVERIFY(wire.received.isEmpty());
        QCOMPARE(sim.badFrames(), 1);
        QCOMPARE(sim.memory().store().value(ParamField::Value, 0, 0x40), quint8(80));
    }

    void hostileFramesAreRefused_data()
    {
        // Frames whose length byte does not match what they carry: taken at their word, the
        // payload would be read past the frame's end.
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("block write of five bytes") << QByteArray::fromHex("FE200005");
        QTest::newRow("menu-show write of five bytes") << QByteArray::fromHex("FE604005");
        QTest::newRow("block write one byte short") << QByteArray::fromHex("FE20C034");
        QTest::newRow("block write off a base") << QByteArray::fromHex("FE204135");
        QTest::newRow("short password write") << QByteArray::fromHex("FE80000D");
    }

    void hostileFramesAreRefused()
    {
        QFETCH(QByteArray, head);
        SimProcessor sim;
        Wire wire(sim);
        const ParamModel before = sim.memory();
        const int length = quint8(head[3]);
        QByteArray hostile = head + QByteArray(length - 5, '\x11');
        wire.send(withChecksum(hostile));
        QTest::qWait(20);
        QVERIFY(wire.received.isEmpty());
        QCOMPARE(sim.badFrames(), 1);
        QVERIFY(sim.memory().store() == before.store());
        QCOMPARE(sim.memory().password(), before.password());
        // The next good frame is answered as usual.
        wire.send(frame(Frames::Type::ParamWrite, 0, 0x40, 1, before));
        QTRY_COMPARE(wire.received.size(), 8);
    }

    void faultPlanReads_data()
    {
        QTest::addColumn<QString>("faults");
        QTest::addColumn<QString>("read"); // fault/first/last per entry, or the error's start
        QTest::newRow("one frame") << "silence@5"
                                   << "1/5/5";
        QTest::newRow("several") << "noise@12, CorruptData@20-24,unplug@3"
                                 << "5/12/12 4/20/24 6/3/3";
        QTest::newRow("split") << "split@1"
                               << "7/1/1";
        QTest::newRow("lost write") << "LostWrite@4-5"
                                    << "8/4/5";
        QTest::newRow("unknown kind") << "slow@3"
                                      << "unknown fault \"slow\"";
        QTest::newRow("no frame") << "silence"
                                  << "\"silence\" needs @FRAME";
        QTest::newRow("frame 0") << "silence@0"
                                 << "\"silence@0\" needs";
        QTest::newRow("backwards range") << "noise@9-3"
                                         << "\"noise@9-3\" needs";
        QTest::newRow("not a number") << "noise@+3"
                                      << "\"noise@+3\" needs";
        QTest::newRow("empty item") << "noise@3,"
                                    << "unknown fault \"\"";
    }

    void faultPlanReads()
    {
        QFETCH(QString, faults);
        QFETCH(QString, read);
        QString error;
        const auto plan = SimFaultPlan::parse(faults, error);
        if (!plan) {
            QVERIFY2(error.startsWith(read), qPrintable(error));
            return;
        }
        QStringList entries;
        for (const SimFaultPlan::Entry& e : plan->entries()) {
            entries.append(
                QStringLiteral("%1/%2/%3").arg(int(e.fault)).arg(e.firstFrame).arg(e.lastFrame));
        }
        QCOMPARE(entries.join(u' '), read);
    }

    void plannedFaultsHitTheirFrames()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        QString error;
        SimFaultPlan::parse(u"silence@2,split@3,lostwrite@4", error)->applyTo(sim);
        const QByteArray write = frame(Frames::Type::ParamWrite, 0, 0x40, 0x10, model);
        wire.send(write);
        wire.send(write); // frame 2: lost
        QTRY_COMPARE(wire.received.size(), 8);
        QTest::qWait(20);
        QCOMPARE(wire.received.size(), 8);
        QCOMPARE(wire.reports, 2);
        wire.send(write); // frame 3: the same answer in three-byte pieces
        QTRY_COMPARE(wire.received.size(), 16);
        QCOMPARE(wire.reports, 2 + 4);
        QCOMPARE(wire.received.right(8), wire.received.left(8));
        // Frame 4: answered like any write, but the memory keeps its value.
        model.store().setValue(ParamField::Value, 0, 0x40, 0x20);
        wire.send(frame(Frames::Type::ParamWrite, 0, 0x40, 0x20, model));
        QTRY_COMPARE(wire.received.size(), 24);
        QCOMPARE(wire.received.right(8), wire.received.left(8));
        QCOMPARE(sim.memory().store().value(ParamField::Value, 0, 0x40), 0x10);
    }

    void repliesAreSplitAndPaced()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        sim.setReplyChunk(10);
        sim.setLatencyMs(2);
        wire.send(frame(Frames::Type::BlockRead, 0, 0x00, 0, model));
        QTRY_COMPARE(wire.received.size(), 4 + 124);
        QCOMPARE(wire.reports, 1 + 13);
        // Fourteen reports two milliseconds apart keep the line busy at least that long.
        QVERIFY(sim.wireTimeNs() >= 14 * 2'000'000);
    }

    void scriptedFaultsApplyInOrder()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        sim.queueFaults({SimFault::Silent, SimFault::AckOnly, SimFault::CorruptAck});
        const QByteArray write = frame(Frames::Type::ParamWrite, 0, 0x40, 0x10, model);
        wire.send(write); // silent: lost, not applied
        QTest::qWait(20);
        QCOMPARE(sim.memory().store().value(ParamField::Value, 0, 0x40), quint8(80));
        wire.send(write); // acknowledged only
        wire.send(write); // damaged acknowledgement, then the data
        wire.send(write); // healthy again
        QTRY_COMPARE(wire.received.size(), 4 + 8 + 8);
        QCOMPARE(wire.received.left(4), Frames::acknowledgement());
        QVERIFY(wire.received.mid(4, 4) != Frames::acknowledgement());
        QCOMPARE(sim.memory().store().value(ParamField::Value, 0, 0x40), quint8(0x10));
    }

    void seededNoiseRepeats()
    {
        QByteArray first;
        for (int run = 0; run < 2; ++run) {
            SimProcessor sim;
            Wire wire(sim);
            ParamModel model;
            sim.setNoiseSeed(42);
            sim.setNoiseLength(6);
            sim.setFault(SimFault::NoiseFirst);
            wire.send(frame(Frames::Type::ParamWrite, 0, 0x40, 1, model));
            QTRY_COMPARE(wire.received.size(), 6 + 8);
            QVERIFY(!wire.received.left(6).contains(char(0xFF)));
            QVERIFY(!wire.received.left(6).contains(char(0xFD)));
            if (run == 0) {
                first = wire.received;
            } else {
                QCOMPARE(wire.received, first);
            }
        }
    }

    void unplugStopsEverything()
    {
        SimProcessor sim;
        Wire wire(sim);
        ParamModel model;
        QSignalSpy plug(&sim, &SimProcessor::plugChanged);
        sim.queueFaults({SimFault::Unplug});
        wire.send(frame(Frames::Type::ParamWrite, 0, 0x40, 1, model));
        QCOMPARE(plug.count(), 1);
        QVERIFY(!sim.isPlugged());
        wire.send(frame(Frames::Type::ParamWrite, 0, 0x40, 1, model));
        QTest::qWait(20);
        QVERIFY(wire.received.isEmpty());
        sim.replug();
        wire.send(frame(Frames::Type::ParamWrite, 0, 0x40, 1, model));
        QTRY_COMPARE(wire.received.size(), 8);
    }
};

QTEST_GUILESS_MAIN(tst_SimProcessor)
#include "tst_SimProcessor.moc"

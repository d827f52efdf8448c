#include "FrameReceiver.h"
#include "Frames.h"

#include <QTest>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// Writes down every event, in order, as a short word.
class EventLog : public FrameReceiver::Listener
{
public:
    void onKeepAliveEcho() override { events.append(QStringLiteral("echo")); }
    void onNotification() override { events.append(QStringLiteral("notify")); }
    void onAcknowledgement() override { events.append(QStringLiteral("ack")); }
    void onDataFrame() override { events.append(QStringLiteral("data")); }
    void onByteDiscarded() override { events.append(QStringLiteral("drop")); }
    void onReport(const QString& hexText) override { reports.append(hexText); }

    QStringList events;
    QStringList reports;
};

} // namespace

class tst_FrameReceiver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every row feeds its reports, one ReceiveBytes call each, into a receiver that waits for a
    // reply of replyLength bytes, then checks the events and the reply buffer.
    void reports_data()
    {
        QTest::addColumn<int>("replyLength");
        QTest::addColumn<QList<QByteArray>>("reports");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QByteArray>("reply");

        const QByteArray ack = hex("FE232344");
        QTest::newRow("acknowledgement then data") << 4 << QList<QByteArray>{ack, hex("0000000000")}
                                                   << QStringList{"ack", "data"} << hex("00000000");
        QTest::newRow("acknowledgement and data in one report")
            << 4 << QList<QByteArray>{ack + hex("01020306")} << QStringList{"ack", "data"}
            << hex("01020306");
        QTest::newRow("data split over two reports")
            << 10 << QList<QByteArray>{ack + hex("3031"), hex("32333435363738D4")}
            << QStringList{"ack", "data"} << hex("303132333435363738D4");
        QTest::newRow("acknowledgement split byte by byte")
            << 4 << QList<QByteArray>{hex("FE"), hex("23"), hex("23"), hex("44")}
            << QStringList{"ack"} << QByteArray();
        QTest::newRow("each leading garbage byte costs one line")
            << 4 << QList<QByteArray>{hex("1112") + ack} << QStringList{"drop", "drop", "ack"}
            << QByteArray();
        QTest::newRow("keep-alive and notification taken out of a frame")
            << 4 << QList<QByteArray>{hex("FEFF2323FD44")} << QStringList{"echo", "notify", "ack"}
            << QByteArray();
        QTest::newRow("a report holding only the echo")
            << 4 << QList<QByteArray>{hex("FF")} << QStringList{"echo"} << QByteArray();
        QTest::newRow("data that looks like an acknowledgement is one")
            << 4 << QList<QByteArray>{ack, ack} << QStringList{"ack", "ack"} << QByteArray();
        // Four noise bytes with a valid checksum before the acknowledgement must not end the
        // exchange: they are slid over byte by byte until the acknowledgement lies in front.
        QTest::newRow("checksum-valid noise before the acknowledgement")
            << 4 << QList<QByteArray>{hex("01020306") + ack + hex("0A0B0C21")}
            << QStringList{"drop", "drop", "drop", "drop", "ack", "data"} << hex("0A0B0C21");
        QTest::newRow("corrupted data frame is slid over")
            << 4 << QList<QByteArray>{ack + hex("01020307")} << QStringList{"ack", "drop"}
            << QByteArray();
    }

    void reports()
    {
        QFETCH(int, replyLength);
        QFETCH(QList<QByteArray>, reports);
        QFETCH(QStringList, events);
        QFETCH(QByteArray, reply);

        FrameReceiver receiver;
        EventLog log;
        receiver.startAttempt(replyLength);
        for (const QByteArray& report : reports) {
            receiver.ReceiveBytes(report, log);
        }
        QCOMPARE(log.events, events);
        QCOMPARE(receiver.reply(), reply);
        QCOMPARE(log.reports.size(), reports.size());
    }

    void expectedLengthMovesToTheReplyAfterTheAcknowledgement()
    {
        FrameReceiver receiver;
        EventLog log;
        receiver.startAttempt(124);
        QCOMPARE(receiver.expectedLength(), 4);
        receiver.ReceiveBytes(hex("FE232344"), log);
        QCOMPARE(receiver.expectedLength(), 124);
        // A new attempt waits for a 4-byte acknowledgement again and forgets partial bytes.
        receiver.ReceiveBytes(hex("0102"), log);
        receiver.startAttempt(124);
        QCOMPARE(receiver.expectedLength(), 4);
        QCOMPARE(receiver.receiveCount(), 0);
    }

    void reportTextIsTheWholeReport()
    {
        FrameReceiver receiver;
        EventLog log;
        receiver.startAttempt(4);
        receiver.ReceiveBytes(hex("FE2323FF44"), log);
        QCOMPARE(log.reports, QStringList{"FE,23,23,FF,44"});
    }

    void aFloodOfUnframedBytesNeverOverrunsTheBuffer()
    {
        FrameReceiver receiver;
        EventLog log;
        receiver.startAttempt(124);
        receiver.ReceiveBytes(hex("FE232344"), log);
        // Nothing but bytes that never checksum: far more than the buffer holds.
        receiver.ReceiveBytes(QByteArray(3 * FrameReceiver::BufferSize, char(0x01)), log);
        QVERIFY(receiver.receiveCount() < 124);
    }

    void dropReceivedKeepsTheRestInOrder()
    {
        FrameReceiver receiver;
        EventLog log;
        receiver.startAttempt(49);
        receiver.ReceiveBytes(hex("FE232344") + hex("0102030405"), log);
        receiver.DropReceived(2);
        QCOMPARE(receiver.receiveCount(), 3);
        receiver.DropReceived(10);
        QCOMPARE(receiver.receiveCount(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_FrameReceiver)
#include "tst_FrameReceiver.moc"

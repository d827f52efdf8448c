#pragma once

#include "CommLog.h"
#include "FrameReceiver.h"
#include "LinkTimings.h"

#include <QList>
#include <QObject>
#include <QTimer>

class ParamModel;
class QEventLoop;
class USB_Comm;
class UserMessages;

// One exchange at a time with the processor: SendFrame sends a frame and waits, with the event
// loop running, for the acknowledgement and then the data frame, retrying up to eight times.
// Holds the link state every sender reads: online, handshake and busy flags, the progress
// counter, the receiver and the log.
//
// Exchanges never nest. A SendFrame asked for while an exchange or a sequence (LinkSequence)
// runs does not touch the running one: a single write (types 0 and 4) waits on a pending list
// and is sent when the link is free again; anything else is refused. Both return false at once.
class DeviceLink : public QObject, private FrameReceiver::Listener
{
    Q_OBJECT

public:
    static inline const QString TimeoutMessage =
        QStringLiteral("Connection for data transmission timed out. The device is disconnected. ");
    static inline const QString ChecksumFailedEntry =
        QStringLiteral("校验失败！从下一个数据开始继续校验。");

    DeviceLink(ParamModel& model, USB_Comm& transport, UserMessages& messages,
               LinkTimings timings = {}, QObject* parent = nullptr);
    ~DeviceLink() override;

    bool SendFrame(int type, int mode, int address, int value, int replyTimeoutMs);
    void SendKeepAlive();

    bool isOnline() const { return m_online; }
    void setOnline(bool online);
    void setHandshakeActive(bool active) { m_handshake = active; }
    // Something is on the call stack that uses the link: an exchange, a sequence or the
    // sending of pending writes. Closing waits for this to clear.
    bool isBusy() const { return m_depth > 0; }
    bool isClosing() const { return m_closing; }
    // Ends every wait at once; later exchanges fail without waiting.
    void setClosing();

    int progressCount() const { return m_progress; }
    void resetProgress() { m_progress = 0; }
    void setProgressCount(int count) { m_progress = count; }

    // The data frame of the last successful exchange, checksum included.
    const QByteArray& reply() const { return m_receiver.reply(); }
    CommLog& log() { return m_log; }
    const LinkTimings& timings() const { return m_timings; }
    // The window's design carries the intervals; it hands them over once it has loaded.
    void setTimings(const LinkTimings& timings) { m_timings = timings; }
    ParamModel& model() { return m_model; }
    const USB_Comm& transport() const { return m_transport; }
    UserMessages& messages() { return m_messages; }
    int pendingWriteCount() const { return int(m_pending.size()); }

Q_SIGNALS:
    void onlineChanged(bool online);
    // The processor's notification byte 0xFD (the window returns the tone slider to neutral).
    void notificationReceived();
    void keepAliveEchoed();
    // A frame is about to go out (the keep-alive time-out is not armed during exchanges).
    void exchangeStarting();
    // The last exchange or sequence on the call stack has ended.
    void becameIdle();

private:
    friend class LinkSequence;

    enum class Phase
    {
        Idle,
        AwaitingAcknowledgement,
        AwaitingData,
        Succeeded,
        Failed
    };

    struct PendingWrite
    {
        int type, mode, address, value, replyTimeoutMs;
    };

    void DataArrival(const QByteArray& payload);
    bool runExchange(int type, int mode, int address, int value, int replyTimeoutMs);
    void waitWhile(Phase phase, QTimer& timer, int timeoutMs);
    void wake();
    void leave();
    void sendPendingWrites();

    // FrameReceiver::Listener
    void onKeepAliveEcho() override;
    void onNotification() override;
    void onAcknowledgement() override;
    void onDataFrame() override;
    void onByteDiscarded() override;
    void onReport(const QString& hexText) override;

    ParamModel& m_model;
    USB_Comm& m_transport;
    UserMessages& m_messages;
    LinkTimings m_timings;
    CommLog m_log;
    FrameReceiver m_receiver;
    QTimer m_acknowledgementTimer; // TimeOuter1
    QTimer m_replyTimer;           // TimeOuter

    Phase m_phase = Phase::Idle;
    QEventLoop* m_waitLoop = nullptr;
    bool m_woken = false;
    bool m_online = false;
    bool m_handshake = false;
    bool m_closing = false;
    bool m_exchangeRunning = false;
    bool m_sequenceRunning = false;
    int m_depth = 0;
    int m_progress = 0;
    QList<PendingWrite> m_pending;
};

#pragma once

#include "CommLog.h"
#include "FrameReceiver.h"
#include "Frames.h"
#include "LinkNotice.h"
#include "LinkTimings.h"

#include <QCoro/QCoroTask>
#include <QList>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <coroutine>
#include <optional>

class ParamModel;
class USB_Comm;

// One exchange at a time with the processor. SendFrame hands a frame to the transport and
// completes later: true once the processor has acknowledged it and sent its data frame, false
// once eight attempts went unanswered (the link is then offline and says so: noticeRaised). Nothing
// waits on the call stack: the exchange is a coroutine that the receiver or a reply timer resumes
// from the event loop, and closing resumes at once. Holds the link state every sender reads:
// online, handshake flag, progress counter, the receiver and the log.
//
// Exchanges never overlap. While an exchange or a sequence (LinkSequence) holds the link, a
// single write (types 0 and 4) waits its turn on the pending list and completes true at once; it
// goes out as soon as the link is free, and a newer write of the same type, mode and address
// replaces it. Anything else asked for meanwhile is refused: false at once.
class DeviceLink : public QObject, private FrameReceiver::Listener
{
    Q_OBJECT

public:
    static inline const QString ChecksumFailedEntry =
        QStringLiteral("校验失败！从下一个数据开始继续校验。");

    DeviceLink(ParamModel& model, USB_Comm& transport, LinkTimings timings = {},
               QObject* parent = nullptr);
    // Closes first: an exchange still waiting fails, and whatever awaited it ends, before the
    // link goes.
    ~DeviceLink() override;

    QCoro::Task<bool> SendFrame(Frames::Type type, int mode, ParamAddress address, int value,
                                std::chrono::milliseconds replyTimeout);
    void SendKeepAlive();

    bool isOnline() const { return m_online; }
    void setOnline(bool online);
    // The processor stopped answering: offline, and the notice raised, once per loss (a second
    // symptom of the same loss says nothing). The notice is withdrawn when the link is online
    // again.
    void reportLoss(LinkNotice notice);
    // Something the user has to hear about that is no loss (a transfer refused or gone wrong).
    void tell(LinkNotice notice) { Q_EMIT noticeRaised(notice); }
    void setHandshakeActive(bool active) { m_handshake = active; }
    // An exchange runs or a sequence holds the link.
    bool isBusy() const { return m_phase != Phase::Idle || m_sequenceOpen; }
    bool isClosing() const { return m_closing; }
    // The exchange in progress fails now, and whatever awaited it goes on before this returns;
    // later exchanges fail without sending, and waiting writes are dropped.
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
    int pendingWriteCount() const { return int(m_pending.size()); }

Q_SIGNALS:
    void onlineChanged(bool online);
    // The processor's notification byte 0xFD (the window returns the tone slider to neutral).
    void notificationReceived();
    void keepAliveEchoed();
    // A frame is about to go out (the keep-alive time-out is not armed during exchanges).
    void exchangeStarting();
    // The last exchange or sequence ended and no write waits: the link is free.
    void becameIdle();
    // A parameter write the processor did not confirm: it failed, or was still waiting its turn
    // when the link went down. The store has the value; the processor may not.
    void writeUnconfirmed(int mode, int address);
    // What the user has to hear about, and when a loss is over. The front ends word it.
    void noticeRaised(LinkNotice notice);
    void noticeWithdrawn(LinkNotice notice);

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
        Frames::Type type;
        int mode;
        ParamAddress address;
        int value;
        std::chrono::milliseconds replyTimeout;
    };

    class PhaseWait;

    QCoro::Task<bool> runExchange(Frames::Type type, int mode, ParamAddress address, int value,
                                  std::chrono::milliseconds replyTimeout);
    PhaseWait waitWhile(Phase phase, QTimer& timer, std::chrono::milliseconds timeout);
    bool queueWrite(const PendingWrite& write);
    void endPhase(Phase from, Phase to);
    void wake();
    void resumeExchange();
    void sequenceEnded();
    void startPendingWrites();
    QCoro::Task<> sendPendingWrites();

    void DataArrival(const QByteArray& payload);

    // FrameReceiver::Listener
    void onKeepAliveEcho() override;
    void onNotification() override;
    void onAcknowledgement() override;
    void onDataFrame() override;
    void onByteDiscarded() override;
    void onReport(const QString& hexText) override;

    ParamModel& m_model;
    USB_Comm& m_transport;
    LinkTimings m_timings;
    CommLog m_log;
    FrameReceiver m_receiver;
    QTimer m_acknowledgementTimer; // TimeOuter1
    QTimer m_replyTimer;           // TimeOuter

    Phase m_phase = Phase::Idle;
    // The suspended exchange and the phase it waits to leave.
    std::coroutine_handle<> m_waiter;
    Phase m_waitingIn = Phase::Idle;
    bool m_wakePosted = false;
    bool m_sequenceOpen = false;
    bool m_online = false;
    bool m_handshake = false;
    bool m_closing = false;
    std::optional<LinkNotice> m_loss; // raised for the present loss
    int m_progress = 0;
    QList<PendingWrite> m_pending;
};

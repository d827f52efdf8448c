#include "DeviceLink.h"

#include "FramePayload.h"
#include "LinkSequence.h"
#include "ParamModel.h"
#include "USB_Comm.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcLink, "tonvexa.link")

constexpr int AttemptCount = 8;
const QString SentPrefix = QStringLiteral("发送: ");
const QString ReceivedPrefix = QStringLiteral("接收: ");
const QString KeepAliveSentEntry = QStringLiteral("发送: FF 同步字");

} // namespace

// Suspends the exchange until its phase is left (a reply, the timer, or closing), with the timer
// running for as long as it waits.
class DeviceLink::PhaseWait
{
public:
    PhaseWait(DeviceLink& link, Phase phase, QTimer& timer, std::chrono::milliseconds timeout)
        : m_link(link)
        , m_phase(phase)
        , m_timer(timer)
        , m_timeout(timeout)
    {}

    bool await_ready() const noexcept { return m_link.m_phase != m_phase; }
    void await_suspend(std::coroutine_handle<> exchange)
    {
        m_timer.start(m_timeout);
        m_link.m_waiter = exchange;
        m_link.m_waitingIn = m_phase;
    }
    void await_resume() { m_timer.stop(); }

private:
    DeviceLink& m_link;
    Phase m_phase;
    QTimer& m_timer;
    std::chrono::milliseconds m_timeout;
};

DeviceLink::DeviceLink(ParamModel& model, USB_Comm& transport, LinkTimings timings, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_transport(transport)
    , m_timings(timings)
{
    for (QTimer* timer : {&m_acknowledgementTimer, &m_replyTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_acknowledgementTimer, &QTimer::timeout, this,
            [this] { endPhase(Phase::AwaitingAcknowledgement, Phase::Failed); });
    connect(&m_replyTimer, &QTimer::timeout, this,
            [this] { endPhase(Phase::AwaitingData, Phase::Failed); });
    connect(&m_transport, &USB_Comm::DataArrival, this, &DeviceLink::DataArrival);
}

DeviceLink::~DeviceLink()
{
    setClosing();
}

QCoro::Task<bool> DeviceLink::SendFrame(Frames::Type type, int mode, ParamAddress address,
                                        int value, std::chrono::milliseconds replyTimeout)
{
    if (isBusy()) {
        co_return queueWrite({type, mode, address, value, replyTimeout});
    }
    const bool answered = co_await runExchange(type, mode, address, value, replyTimeout);
    // Writes that came in meanwhile go out before anything else may start.
    startPendingWrites();
    co_return answered;
}

bool DeviceLink::queueWrite(const PendingWrite& write)
{
    if (write.type != Frames::Type::ParamWrite && write.type != Frames::Type::ModeSelect) {
        return false;
    }
    auto same = std::find_if(m_pending.begin(), m_pending.end(), [&](const PendingWrite& p) {
        return p.type == write.type && p.mode == write.mode && p.address == write.address;
    });
    if (same != m_pending.end()) {
        *same = write;
    } else {
        m_pending.append(write);
    }
    return true;
}

void DeviceLink::SendKeepAlive()
{
    if (m_log.showsKeepAlive()) {
        m_log.append(KeepAliveSentEntry);
    }
    m_transport.SendData(QByteArray(1, char(Frames::KeepAliveByte)));
}

void DeviceLink::setOnline(bool online)
{
    if (!online) {
        // Offline edits stay in the store, as every offline edit does.
        for (const PendingWrite& write : std::exchange(m_pending, {})) {
            if (write.type == Frames::Type::ParamWrite) {
                Q_EMIT writeUnconfirmed(write.mode, write.address.value());
            }
        }
    }
    if (online != m_online) {
        m_online = online;
        Q_EMIT onlineChanged(online);
    }
    if (online && m_loss) {
        Q_EMIT noticeWithdrawn(*std::exchange(m_loss, std::nullopt));
    }
}

void DeviceLink::reportLoss(LinkNotice notice)
{
    setOnline(false);
    if (!m_loss) {
        m_loss = notice;
        Q_EMIT noticeRaised(notice);
    }
}

void DeviceLink::setClosing()
{
    m_closing = true;
    m_pending.clear();
    endPhase(Phase::AwaitingAcknowledgement, Phase::Failed);
    endPhase(Phase::AwaitingData, Phase::Failed);
    // Not through the event loop: nothing may stay suspended on a link that is going away.
    resumeExchange();
}

QCoro::Task<bool> DeviceLink::runExchange(Frames::Type type, int mode, ParamAddress address,
                                          int value, std::chrono::milliseconds replyTimeout)
{
    // One exchange at a time; LinkSequence and SendFrame see to it.
    Q_ASSERT(m_phase == Phase::Idle);
    if (m_closing) {
        co_return false;
    }
    Q_EMIT exchangeStarting();
    const auto frame = FramePayload::frame(type, mode, address, value, m_model);
    const auto replyLength = FramePayload::replyLength(type, address);
    if (!frame || !replyLength) {
        qCWarning(lcLink, "SendFrame: no frame of type %d for mode %d, address %d, value %d",
                  int(type), mode, address.value(), value);
        co_return false;
    }
    ++m_progress;
    const QString sentEntry = SentPrefix + Frames::hexText(*frame);
    const int attempts = m_handshake ? 1 : AttemptCount;
    bool answered = false;
    for (int attempt = 0; attempt < attempts && !answered && !m_closing; ++attempt) {
        m_receiver.startAttempt(*replyLength);
        m_transport.SendData(*frame);
        m_log.append(sentEntry);
        m_phase = Phase::AwaitingAcknowledgement;
        co_await waitWhile(Phase::AwaitingAcknowledgement, m_acknowledgementTimer,
                           m_timings.scaled(m_timings.acknowledgement));
        co_await waitWhile(Phase::AwaitingData, m_replyTimer, m_timings.scaled(replyTimeout));
        answered = m_phase == Phase::Succeeded;
    }
    m_phase = Phase::Idle;
    if (!answered && type == Frames::Type::ParamWrite) {
        Q_EMIT writeUnconfirmed(mode, address.value());
    }
    if (!answered && !m_handshake) {
        if (m_closing) {
            setOnline(false); // a close request is not a lost device; the user asked for it
        } else {
            reportLoss(LinkNotice::ExchangeTimedOut);
        }
    }
    co_return answered;
}

DeviceLink::PhaseWait DeviceLink::waitWhile(Phase phase, QTimer& timer,
                                            std::chrono::milliseconds timeout)
{
    return PhaseWait(*this, phase, timer, timeout);
}

void DeviceLink::endPhase(Phase from, Phase to)
{
    if (m_phase == from) {
        m_phase = to;
        wake();
    }
}

void DeviceLink::wake()
{
    // The exchange goes on from the event loop, never from inside the receiver or a timer that
    // ended its wait; several wakes before it runs make one resumption.
    if (m_waiter && !m_wakePosted) {
        m_wakePosted = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_wakePosted = false;
                resumeExchange();
            },
            Qt::QueuedConnection);
    }
}

void DeviceLink::resumeExchange()
{
    if (m_waiter && m_phase != m_waitingIn) {
        std::exchange(m_waiter, nullptr).resume();
    }
}

void DeviceLink::sequenceEnded()
{
    m_sequenceOpen = false;
    startPendingWrites();
}

void DeviceLink::startPendingWrites()
{
    if (!m_online || m_closing) {
        m_pending.clear();
    }
    if (isBusy()) {
        return;
    }
    if (m_pending.isEmpty()) {
        Q_EMIT becameIdle();
    } else {
        sendPendingWrites();
    }
}

QCoro::Task<> DeviceLink::sendPendingWrites()
{
    // A sequence of its own, so that whatever is asked for meanwhile queues behind these.
    LinkSequence sequence(*this);
    while (!m_pending.isEmpty()) {
        const PendingWrite write = m_pending.takeFirst();
        // A failure takes the link offline, which drops the rest.
        co_await sequence.SendFrame(write.type, write.mode, write.address, write.value,
                                    write.replyTimeout);
    }
}

void DeviceLink::DataArrival(const QByteArray& payload)
{
    m_receiver.ReceiveBytes(payload, *this);
}

void DeviceLink::onKeepAliveEcho()
{
    Q_EMIT keepAliveEchoed();
}

void DeviceLink::onNotification()
{
    Q_EMIT notificationReceived();
}

void DeviceLink::onAcknowledgement()
{
    if (m_phase == Phase::AwaitingAcknowledgement) {
        m_acknowledgementTimer.stop();
        endPhase(Phase::AwaitingAcknowledgement, Phase::AwaitingData);
    }
}

void DeviceLink::onDataFrame()
{
    if (m_phase == Phase::AwaitingData) {
        m_replyTimer.stop();
        endPhase(Phase::AwaitingData, Phase::Succeeded);
    }
}

void DeviceLink::onByteDiscarded()
{
    m_log.appendAlways(ChecksumFailedEntry);
}

void DeviceLink::onReport(const QString& hexText)
{
    if (hexText == QLatin1String("FF") && !m_log.showsKeepAlive()) {
        return;
    }
    m_log.append(ReceivedPrefix + hexText);
}

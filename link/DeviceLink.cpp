#include "DeviceLink.h"

#include "Frames.h"
#include "ParamModel.h"
#include "USB_Comm.h"
#include "UserMessages.h"

#include <QEventLoop>
#include <QtDebug>

namespace {

constexpr int AttemptCount = 8;
const QString SentPrefix = QStringLiteral("发送: ");
const QString ReceivedPrefix = QStringLiteral("接收: ");
const QString KeepAliveSentEntry = QStringLiteral("发送: FF 同步字");

} // namespace

DeviceLink::DeviceLink(ParamModel& model, USB_Comm& transport, UserMessages& messages,
                       LinkTimings timings, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_transport(transport)
    , m_messages(messages)
    , m_timings(timings)
{
    for (QTimer* timer : {&m_acknowledgementTimer, &m_replyTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_acknowledgementTimer, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::AwaitingAcknowledgement) {
            m_phase = Phase::Failed;
            wake();
        }
    });
    connect(&m_replyTimer, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::AwaitingData) {
            m_phase = Phase::Failed;
            wake();
        }
    });
    connect(&m_transport, &USB_Comm::DataArrival, this, &DeviceLink::DataArrival);
}

DeviceLink::~DeviceLink()
{
    // Whoever owns the link must not destroy it while a send still runs on the stack.
    Q_ASSERT(m_depth == 0);
}

bool DeviceLink::SendFrame(int type, int mode, int address, int value, int replyTimeoutMs)
{
    if (m_exchangeRunning || m_sequenceRunning) {
        if (type == Frames::ParamWrite || type == Frames::ModeSelect) {
            const PendingWrite write{type, mode, address, value, replyTimeoutMs};
            auto same =
                std::find_if(m_pending.begin(), m_pending.end(), [&](const PendingWrite& p) {
                    return p.type == type && p.mode == mode && p.address == address;
                });
            if (same != m_pending.end()) {
                *same = write;
            } else {
                m_pending.append(write);
            }
        }
        return false;
    }
    ++m_depth;
    const bool ok = runExchange(type, mode, address, value, replyTimeoutMs);
    sendPendingWrites();
    leave();
    return ok;
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
        m_pending.clear(); // offline edits stay in the store, as every offline edit does
    }
    if (online != m_online) {
        m_online = online;
        Q_EMIT onlineChanged(online);
    }
}

void DeviceLink::setClosing()
{
    m_closing = true;
    m_pending.clear();
    wake();
}

bool DeviceLink::runExchange(int type, int mode, int address, int value, int replyTimeoutMs)
{
    Q_EMIT exchangeStarting();
    const auto frame = Frames::build(type, mode, address, value, m_model);
    const auto replyLength = Frames::replyLength(type, address);
    if (!frame || !replyLength) {
        qWarning("SendFrame: no frame of type %d for mode %d, address %d, value %d", type, mode,
                 address, value);
        return false;
    }
    ++m_progress;
    m_exchangeRunning = true;
    const QString sentEntry = SentPrefix + Frames::hexText(*frame);
    const int attempts = m_handshake ? 1 : AttemptCount;
    for (int attempt = 0; attempt < attempts && m_phase != Phase::Succeeded && !m_closing;
         ++attempt) {
        m_receiver.startAttempt(*replyLength);
        m_transport.SendData(*frame);
        m_log.append(sentEntry);
        m_phase = Phase::AwaitingAcknowledgement;
        waitWhile(Phase::AwaitingAcknowledgement, m_acknowledgementTimer,
                  m_timings.scaled(m_timings.acknowledgementMs));
        waitWhile(Phase::AwaitingData, m_replyTimer, m_timings.scaled(replyTimeoutMs));
    }
    const bool ok = m_phase == Phase::Succeeded;
    m_phase = Phase::Idle;
    if (!ok && !m_handshake) {
        // Offline first: nothing started from the message box's event loop may use the link.
        setOnline(false);
        if (!m_closing) {
            // A close request is not a lost device; the user asked for it.
            m_messages.showMessage(UserMessages::Icon::Exclamation, TimeoutMessage);
        }
    }
    m_exchangeRunning = false;
    return ok;
}

void DeviceLink::waitWhile(Phase phase, QTimer& timer, int timeoutMs)
{
    if (m_phase != phase) {
        return;
    }
    timer.start(timeoutMs);
    while (m_phase == phase && !m_closing) {
        QEventLoop loop;
        m_waitLoop = &loop;
        m_woken = false;
        loop.exec();
        m_waitLoop = nullptr;
        if (!m_woken) {
            // Nobody of ours ended the loop: the application is quitting.
            setClosing();
        }
    }
    timer.stop();
    if (m_phase == phase) {
        m_phase = Phase::Failed;
    }
}

void DeviceLink::wake()
{
    m_woken = true;
    if (m_waitLoop) {
        m_waitLoop->quit();
    }
}

void DeviceLink::leave()
{
    Q_ASSERT(m_depth > 0);
    if (--m_depth == 0) {
        Q_EMIT becameIdle();
    }
}

void DeviceLink::sendPendingWrites()
{
    // Only the outermost caller sends them, once everything nested in it has returned.
    while (m_depth == 1 && !m_pending.isEmpty()) {
        if (!m_online || m_closing) {
            m_pending.clear();
            return;
        }
        const PendingWrite write = m_pending.takeFirst();
        runExchange(write.type, write.mode, write.address, write.value, write.replyTimeoutMs);
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
        m_phase = Phase::AwaitingData;
        wake();
    }
}

void DeviceLink::onDataFrame()
{
    if (m_phase == Phase::AwaitingData) {
        m_replyTimer.stop();
        m_phase = Phase::Succeeded;
        wake();
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

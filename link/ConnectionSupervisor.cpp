#include "ConnectionSupervisor.h"

#include "BulkTransfer.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"

ConnectionSupervisor::ConnectionSupervisor(DeviceLink& link, BulkTransfer& bulk, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_bulk(bulk)
{
    m_commConnect.setSingleShot(true);
    m_connectTimeOut.setSingleShot(true);
    applyIntervals();
    connect(&m_commConnect, &QTimer::timeout, this, [this] { commConnectTick(); });
    connect(&m_keepConnect, &QTimer::timeout, this, &ConnectionSupervisor::keepConnectTick);
    connect(&m_connectTimeOut, &QTimer::timeout, this, &ConnectionSupervisor::connectTimeOutTick);
    // Any frame on its way, and every echo, show that the time-out need not fire.
    connect(&m_link, &DeviceLink::exchangeStarting, &m_connectTimeOut, &QTimer::stop);
    connect(&m_link, &DeviceLink::keepAliveEchoed, &m_connectTimeOut, &QTimer::stop);
    connect(&m_link, &DeviceLink::onlineChanged, this, [this](bool online) {
        if (!online && m_tracking) {
            m_offlineEdits.begin(m_link.model().store());
        }
    });
    connect(&m_link, &DeviceLink::writeUnconfirmed, this, [this](int mode, int address) {
        if (m_tracking) {
            m_offlineEdits.markUnconfirmed({mode, address});
        }
    });
}

ConnectionSupervisor::~ConnectionSupervisor()
{
    if (m_handshaking) {
        m_link.setClosing();
    }
}

void ConnectionSupervisor::applyIntervals()
{
    const LinkTimings& t = m_link.timings();
    m_commConnect.setInterval(t.scaled(t.firstConnect));
    m_keepConnect.setInterval(t.scaled(t.keepAlive));
    m_connectTimeOut.setInterval(t.scaled(t.connectTimeout));
}

void ConnectionSupervisor::start()
{
    // The link's intervals may have changed since construction (the window's design sets them).
    applyIntervals();
    m_running = true;
    m_keepConnect.start();
    m_commConnect.start();
}

void ConnectionSupervisor::stop()
{
    m_running = false;
    m_connectTimeOut.stop();
    m_keepConnect.stop();
    m_commConnect.stop();
}

QCoro::Task<bool> ConnectionSupervisor::sendHandshakeFrame(LinkSequence& sequence)
{
    DeviceLink& link = sequence.link();
    link.setHandshakeActive(true);
    const bool answered =
        co_await sequence.SendFrame(Frames::Type::Handshake, 0, ParamAddress(0),
                                    Frames::HandshakeReply0, ReplyTimeout::Handshake);
    link.setHandshakeActive(false);
    const QByteArray& reply = link.reply();
    const bool handshakeAnswered = answered && reply.size() >= 2 &&
                                   quint8(reply[0]) == Frames::HandshakeReply0 &&
                                   quint8(reply[1]) == Frames::HandshakeReply1;
    co_return handshakeAnswered;
}

QCoro::Task<bool> ConnectionSupervisor::Handshake()
{
    LinkSequence sequence(m_link);
    if (!sequence.isOpen()) {
        co_return false;
    }
    m_handshaking = true;
    const bool answered = co_await sendHandshakeFrame(sequence);
    if (answered) {
        m_link.log().append(OnlineEntry);
        m_link.setOnline(true);
        const bool leftForAnswer = co_await askAboutOfflineEdits(sequence);
        if (!leftForAnswer) {
            co_await m_bulk.SyncAll(sequence);
            if (m_bulk.completed()) {
                m_offlineEdits.clear();
            }
        }
        m_keepConnect.start();
    }
    m_handshaking = false;
    co_return answered;
}

QCoro::Task<> ConnectionSupervisor::commConnectTick()
{
    const LinkTimings& t = m_link.timings();
    m_commConnect.setInterval(t.scaled(t.connectRetry));
    if (!m_link.isOnline()) {
        co_await Handshake();
    }
    // Not when the supervision was stopped meanwhile: the window closes, or a test took over.
    if (m_running && !m_link.isClosing()) {
        m_commConnect.start();
    }
}

void ConnectionSupervisor::keepConnectTick()
{
    if (m_link.isOnline()) {
        m_link.SendKeepAlive();
        // Armed once by the first unanswered keep-alive; later ones must not push it back.
        if (!m_connectTimeOut.isActive()) {
            m_connectTimeOut.start();
        }
    }
}

void ConnectionSupervisor::connectTimeOutTick()
{
    // Also when a failed send has taken the link offline meanwhile: that loss has been told, and
    // the link says nothing twice.
    m_link.reportLoss(LinkNotice::KeepAliveLost);
}

void ConnectionSupervisor::trackOfflineEdits(bool track)
{
    m_tracking = track;
    m_offlineEdits.clear();
    if (track) {
        m_offlineEdits.begin(m_link.model().store());
    }
}

QCoro::Task<bool> ConnectionSupervisor::askAboutOfflineEdits(LinkSequence& sequence)
{
    if (m_awaitingAnswer) {
        co_return true; // the question is still open; its answer decides
    }
    const QList<SettingKey> edited = m_offlineEdits.edited(m_link.model().store());
    if (edited.isEmpty()) {
        co_return false;
    }
    ParamModel processor = m_link.model();
    const bool read = co_await m_bulk.ReadInto(sequence, processor);
    if (!read) {
        co_return true; // the link has said why; the next connection asks again
    }
    const QList<SettingDifference> differences =
        SettingDifferences::between(processor.store(), m_link.model().store(), edited);
    if (differences.isEmpty()) {
        co_return false;
    }
    m_processor = processor;
    m_awaitingAnswer = true;
    Q_EMIT offlineEditsDiffer(differences);
    co_return true;
}

void ConnectionSupervisor::takeMine()
{
    m_awaitingAnswer = false;
    ParamModel& model = m_link.model();
    const QList<SettingKey> edited = m_offlineEdits.edited(model.store());
    model.setStore(OfflineEdits::merged(m_processor.store(), model.store(), edited));
    model.menuShow() = m_processor.menuShow();
    // What differs from the processor's settings from now on is what it has still to get.
    m_offlineEdits.clear();
    m_offlineEdits.begin(m_processor.store());
}

void ConnectionSupervisor::offlineEditsSent()
{
    m_offlineEdits.clear();
}

QCoro::Task<> ConnectionSupervisor::takeProcessors()
{
    m_awaitingAnswer = false;
    co_await m_bulk.SyncAll();
    if (m_bulk.completed()) {
        m_offlineEdits.clear();
    }
}

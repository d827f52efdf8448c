#include "ConnectionSupervisor.h"

#include "BulkTransfer.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "UserMessages.h"

ConnectionSupervisor::ConnectionSupervisor(DeviceLink& link, BulkTransfer& bulk, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_bulk(bulk)
{
    m_commConnect.setSingleShot(true);
    m_connectTimeOut.setSingleShot(true);
    applyIntervals();
    connect(&m_commConnect, &QTimer::timeout, this, &ConnectionSupervisor::commConnectTick);
    connect(&m_keepConnect, &QTimer::timeout, this, &ConnectionSupervisor::keepConnectTick);
    connect(&m_connectTimeOut, &QTimer::timeout, this, &ConnectionSupervisor::connectTimeOutTick);
    // Any frame on its way, and every echo, show that the time-out need not fire.
    connect(&m_link, &DeviceLink::exchangeStarting, &m_connectTimeOut, &QTimer::stop);
    connect(&m_link, &DeviceLink::keepAliveEchoed, &m_connectTimeOut, &QTimer::stop);
}

void ConnectionSupervisor::applyIntervals()
{
    const LinkTimings& t = m_link.timings();
    m_commConnect.setInterval(t.scaled(t.firstConnectMs));
    m_keepConnect.setInterval(t.scaled(t.keepAliveMs));
    m_connectTimeOut.setInterval(t.scaled(t.connectTimeoutMs));
}

void ConnectionSupervisor::start()
{
    // The link's intervals may have changed since construction (the window's design sets them).
    applyIntervals();
    m_keepConnect.start();
    m_commConnect.start();
}

void ConnectionSupervisor::stop()
{
    m_connectTimeOut.stop();
    m_keepConnect.stop();
    m_commConnect.stop();
}

bool ConnectionSupervisor::sendHandshakeFrame(DeviceLink& link)
{
    link.setHandshakeActive(true);
    const bool answered =
        link.SendFrame(Frames::Handshake, 0, 0, Frames::HandshakeReply0, ReplyTimeout::Handshake);
    link.setHandshakeActive(false);
    const QByteArray& reply = link.reply();
    return answered && reply.size() >= 2 && quint8(reply[0]) == Frames::HandshakeReply0 &&
           quint8(reply[1]) == Frames::HandshakeReply1;
}

bool ConnectionSupervisor::Handshake()
{
    if (m_link.isBusy() || !sendHandshakeFrame(m_link)) {
        return false;
    }
    m_link.log().append(OnlineEntry);
    m_link.setOnline(true);
    m_bulk.SyncAll();
    m_keepConnect.start();
    return true;
}

void ConnectionSupervisor::commConnectTick()
{
    const LinkTimings& t = m_link.timings();
    m_commConnect.setInterval(t.scaled(t.connectRetryMs));
    if (!m_link.isOnline()) {
        Handshake();
    }
    if (!m_link.isClosing()) {
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
    // Not tested against the online flag: a time-out armed during a send that then failed still
    // tells the user.
    m_link.setOnline(false);
    m_link.messages().showMessage(UserMessages::Icon::Exclamation, LostMessage);
}

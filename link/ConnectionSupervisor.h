#pragma once

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>
#include <QTimer>

class BulkTransfer;
class DeviceLink;
class LinkSequence;

// Brings the processor online and keeps checking that it is there: a handshake every two seconds
// while offline (the first one shortly after start), a full synchronisation after each successful
// handshake, and a keep-alive byte every second while online whose echo must come back within
// five seconds, or the link is declared lost. Supervision goes on whatever the window shows: a
// message about a loss never holds up the next handshake.
class ConnectionSupervisor : public QObject
{
    Q_OBJECT

public:
    static inline const QString OnlineEntry = QStringLiteral("已进入联机！");
    static inline const QString LostMessage = QStringLiteral("与目标通信连接超时，已断开连接。");

    ConnectionSupervisor(DeviceLink& link, BulkTransfer& bulk, QObject* parent = nullptr);
    // A handshake still running when the supervision goes would go on without it: the link
    // closes first, which ends it.
    ~ConnectionSupervisor() override;

    // Starts looking for the processor (the window's first activation).
    void start();
    // Stops every timer of the supervision (the window is closing).
    void stop();

    // One handshake and, on success, the synchronisation, as one sequence: the link is online
    // and the store read. Skipped (false) while anything else uses the link.
    QCoro::Task<bool> Handshake();

    // The handshake frame alone, one attempt and no failure message: true when the processor
    // answered it as it should. Nothing else changes.
    static QCoro::Task<bool> sendHandshakeFrame(LinkSequence& sequence);

private:
    void applyIntervals();
    QCoro::Task<> commConnectTick();
    void keepConnectTick();
    void connectTimeOutTick();

    DeviceLink& m_link;
    BulkTransfer& m_bulk;
    QTimer m_commConnect;    // retries the handshake while offline
    QTimer m_keepConnect;    // sends the keep-alive while online
    QTimer m_connectTimeOut; // no echo in time: the link is lost
    bool m_running = false;  // between start() and stop()
    bool m_handshaking = false;
};

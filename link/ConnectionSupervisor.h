#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class BulkTransfer;
class DeviceLink;

// Brings the processor online and keeps checking that it is there: a handshake every two seconds
// while offline (the first one shortly after start), a full synchronisation after each successful
// handshake, and a keep-alive byte every second while online whose echo must come back within
// five seconds, or the link is declared lost.
class ConnectionSupervisor : public QObject
{
    Q_OBJECT

public:
    static inline const QString OnlineEntry = QStringLiteral("已进入联机！");
    static inline const QString LostMessage = QStringLiteral("与目标通信连接超时，已断开连接。");

    ConnectionSupervisor(DeviceLink& link, BulkTransfer& bulk, QObject* parent = nullptr);

    // Starts looking for the processor (the window's first activation).
    void start();
    // Stops every timer of the supervision (the window is closing).
    void stop();

    // One handshake; on success the link is online and the store synchronised. Skipped (false)
    // while anything else uses the link.
    bool Handshake();

    // The handshake frame alone, one attempt and no failure message: true when the processor
    // answered it as it should. Nothing else changes.
    static bool sendHandshakeFrame(DeviceLink& link);

private:
    void applyIntervals();
    void commConnectTick();
    void keepConnectTick();
    void connectTimeOutTick();

    DeviceLink& m_link;
    BulkTransfer& m_bulk;
    QTimer m_commConnect;    // retries the handshake while offline
    QTimer m_keepConnect;    // sends the keep-alive while online
    QTimer m_connectTimeOut; // no echo in time: the link is lost
};

#pragma once

#include "OfflineEdits.h"
#include "ParamModel.h"

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
//
// Where edits are made without a processor (the window, not the command-line tool), the settings
// changed while none answered are kept track of. When a processor answers and holds some of them
// otherwise, the handshake reads it into a copy instead of the store, says which settings differ
// (offlineEditsDiffer) and leaves the store alone until the front end answers: with mine
// (takeMine, then an upload) or with the processor's (takeProcessors). The link is online and
// supervised meanwhile.
class ConnectionSupervisor : public QObject
{
    Q_OBJECT

public:
    static inline const QString OnlineEntry = QStringLiteral("已进入联机！");

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

    // From now on (the store holds no processor's settings yet), edits without a processor are
    // kept track of; or no longer, and a connection reads the processor over them.
    void trackOfflineEdits(bool track);
    bool awaitsOfflineAnswer() const { return m_awaitingAnswer; }
    // The answers to offlineEditsDiffer. takeMine puts the processor's settings into the store
    // with the edits over them, and the processor's menu-show flags; the edits are the
    // processor's to get now (an upload), and count as offline edits until offlineEditsSent.
    void takeMine();
    void offlineEditsSent();
    // The synchronisation, as on every connection; the edits are forgotten once it has read
    // everything.
    QCoro::Task<> takeProcessors();

Q_SIGNALS:
    // A processor answers and holds these settings otherwise than the store, where they were
    // edited without one.
    void offlineEditsDiffer(const QList<SettingDifference>& differences);

private:
    void applyIntervals();
    QCoro::Task<> commConnectTick();
    void keepConnectTick();
    void connectTimeOutTick();
    // True when the store was left for the front end's answer (or a failed read ended it).
    QCoro::Task<bool> askAboutOfflineEdits(LinkSequence& sequence);

    DeviceLink& m_link;
    BulkTransfer& m_bulk;
    QTimer m_commConnect;    // retries the handshake while offline
    QTimer m_keepConnect;    // sends the keep-alive while online
    QTimer m_connectTimeOut; // no echo in time: the link is lost
    bool m_running = false;  // between start() and stop()
    bool m_handshaking = false;
    bool m_tracking = false;
    bool m_awaitingAnswer = false;
    OfflineEdits m_offlineEdits;
    ParamModel m_processor; // as read when the edits were found to differ
};

#pragma once

#include "ParamModel.h"
#include "SimFault.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <array>
#include <chrono>
#include <deque>

// A stand-in for the processor at HID-report level. It gathers frames from output reports
// [1][L][payload], checks their checksums, applies writes to its own memory, answers reads from
// it, and replies with input reports [2][L][payload]: the acknowledgement FE 23 23 44, then a
// data frame of the reply length; every keep-alive byte 0xFF outside a frame is echoed.
//
// Replies always arrive through the event loop (after the configured per-report latency), never
// from inside the call that hands a report over: the link arms its waits only after sending.
// Faults are scripted per frame or set for every frame, and noise comes from a seeded generator,
// so tests are deterministic.
class SimProcessor : public QObject
{
    Q_OBJECT

public:
    struct ReceivedFrame
    {
        int type;
        int mode;
        int address;
        QByteArray bytes;
    };

    static constexpr char FactoryPassword[] = "000000000";

    explicit SimProcessor(QObject* parent = nullptr);

    // The processor's memory: parameters, menu-show flags, password, and the mode it runs in.
    ParamModel& memory() { return m_memory; }
    const ParamModel& memory() const { return m_memory; }
    void factoryReset();

    int inputReportLength() const { return m_inputReportLength; }
    int outputReportLength() const { return m_outputReportLength; }
    void setReportLengths(int input, int output);

    bool isPlugged() const { return m_plugged; }
    void unplug();
    void replug();

    // Hand one output report to the processor (the transport's write).
    void receiveOutputReport(QByteArrayView report);

    // Fault injection.
    void setFault(SimFault fault) { m_fault = fault; } // for every frame
    void queueFaults(const QList<SimFault>& faults);   // for the next frames, in order
    // For the frames numbered first to last (the first frame received is 1); wins over the two
    // above, and an earlier schedule over a later one.
    void scheduleFault(int firstFrame, int lastFrame, SimFault fault);
    // After an Unplug fault the processor comes back by itself after this long; 0: it stays
    // unplugged until replug().
    void setReplugDelay(std::chrono::milliseconds delay) { m_replugDelay = delay; }
    // Back to a processor without faults: every fault set, queued or scheduled is forgotten.
    void clearFaults();
    int framesReceived() const { return m_frameCount; }
    // How many frames met each fault (SimFault::None: those answered normally).
    int framesWith(SimFault fault) const { return m_faultCounts[int(fault)]; }
    void setEchoKeepAlive(bool echo) { m_echoKeepAlive = echo; }
    void setReplyChunk(int payloadBytes) { m_replyChunk = payloadBytes; } // 0: whole reports
    void setLatencyMs(double ms) { m_latencyMs = ms; }
    void setNoiseSeed(quint32 seed) { m_random.seed(seed); }
    void setNoiseLength(int bytes) { m_noiseLength = bytes; }
    // The processor's one-byte notification (the tone key returned to neutral).
    void sendNotification();

    // What the processor saw and how long it kept the line busy.
    const QList<ReceivedFrame>& receivedFrames() const { return m_frames; }
    void clearReceivedFrames() { m_frames.clear(); }
    int keepAlivesReceived() const { return m_keepAlives; }
    int badFrames() const { return m_badFrames; }
    // Reports of answers not yet delivered.
    int pendingReports() const { return int(m_outgoing.size()); }
    // Time from each frame's arrival to the delivery of its last reply report, summed.
    qint64 wireTimeNs() const { return m_wireTimeNs; }
    void resetWireTime() { m_wireTimeNs = 0; }

Q_SIGNALS:
    // One input report, padded to the input report length.
    void inputReport(const QByteArray& report);
    void plugChanged(bool plugged);
    // A frame wrote the memory (parameters, menu-show flags or password), as it arrived.
    void memoryWritten();

private:
    struct Outgoing
    {
        QByteArray payload;
        qint64 frameArrivalNs; // >= 0 on the last report of a reply: closes its wire time
    };

    void receiveByte(quint8 b);
    void handleFrame(const QByteArray& frame);
    // keepMemory: a write is answered as if it had been applied, and is not.
    QByteArray answer(const QByteArray& frame, bool keepMemory);
    void queueReply(QByteArray bytes, qint64 frameArrivalNs, int chunk = 0);
    void scheduleDelivery();
    void deliverNext();
    SimFault nextFault();

    ParamModel m_memory;
    int m_inputReportLength = 65;
    int m_outputReportLength = 65;
    bool m_plugged = true;

    QByteArray m_frame; // frame being gathered
    QList<ReceivedFrame> m_frames;
    int m_keepAlives = 0;
    int m_badFrames = 0;

    SimFault m_fault = SimFault::None;
    std::deque<SimFault> m_scriptedFaults;
    struct ScheduledFault
    {
        int firstFrame, lastFrame;
        SimFault fault;
    };
    QList<ScheduledFault> m_scheduledFaults;
    int m_frameCount = 0;
    std::array<int, SimFaultKindCount> m_faultCounts{};
    std::chrono::milliseconds m_replugDelay{0};
    bool m_echoKeepAlive = true;
    int m_replyChunk = 0;
    double m_latencyMs = 0;
    int m_noiseLength = 3;
    QRandomGenerator m_random{1};

    std::deque<Outgoing> m_outgoing;
    QTimer m_deliveryTimer;
    QElapsedTimer m_clock;
    qint64 m_nextDueNs = 0;
    qint64 m_wireTimeNs = 0;
};

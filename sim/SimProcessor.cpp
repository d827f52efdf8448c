#include "SimProcessor.h"

#include "EqGroupTable.h"
#include "Frames.h"
#include "HidReports.h"
#include "ParamBlocks.h"

#include <cmath>

namespace {

// Pieces of a SplitReply answer: small enough that every reply takes several reports.
constexpr int SplitReplyChunk = 3;

// The length a frame must have, known from its first four bytes; nothing for a frame no
// processor would take: a block write away from a block base, or a length byte that does not
// match what the frame has to carry (its payload would be read past its end).
std::optional<int> frameLength(QByteArrayView head)
{
    const Frames::Type type = Frames::typeOf(head);
    const int lengthByte = quint8(head[3]);
    if (Frames::isBlockType(type)) {
        const auto block = blockAtBase(quint8(head[2]));
        if (!block || lengthByte != 3 * block->size + 5) {
            return std::nullopt;
        }
        return lengthByte;
    }
    if (type == Frames::Type::PasswordWrite) {
        return lengthByte == Frames::PasswordFrameLength ? std::optional<int>(lengthByte)
                                                         : std::nullopt;
    }
    return Frames::SingleFrameLength;
}

QByteArray withChecksum(QByteArray data)
{
    data.append(char(Frames::checksum(data)));
    return data;
}

} // namespace

SimProcessor::SimProcessor(QObject* parent)
    : QObject(parent)
{
    factoryReset();
    m_clock.start();
    m_deliveryTimer.setSingleShot(true);
    m_deliveryTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_deliveryTimer, &QTimer::timeout, this, &SimProcessor::deliverNext);
}

void SimProcessor::factoryReset()
{
    m_memory.InitDefaults(ParamModel::FactoryReset);
    m_memory.menuShow()[255] = 0;
    m_memory.setCurrentMode(0);
    std::copy_n(FactoryPassword, m_memory.password().size(), m_memory.password().begin());
}

void SimProcessor::setReportLengths(int input, int output)
{
    m_inputReportLength = input;
    m_outputReportLength = output;
}

void SimProcessor::unplug()
{
    if (!m_plugged) {
        return;
    }
    m_plugged = false;
    m_frame.clear();
    m_outgoing.clear();
    m_deliveryTimer.stop();
    Q_EMIT plugChanged(false);
}

void SimProcessor::replug()
{
    if (!m_plugged) {
        m_plugged = true;
        Q_EMIT plugChanged(true);
    }
}

void SimProcessor::queueFaults(const QList<SimFault>& faults)
{
    m_scriptedFaults.insert(m_scriptedFaults.end(), faults.begin(), faults.end());
}

void SimProcessor::clearFaults()
{
    m_fault = SimFault::None;
    m_scriptedFaults.clear();
    m_scheduledFaults.clear();
}

void SimProcessor::scheduleFault(int firstFrame, int lastFrame, SimFault fault)
{
    m_scheduledFaults.append({firstFrame, lastFrame, fault});
}

void SimProcessor::sendNotification()
{
    queueReply(QByteArray(1, char(Frames::NotificationByte)), -1);
}

void SimProcessor::receiveOutputReport(QByteArrayView report)
{
    if (!m_plugged || report.size() < 2 || quint8(report[0]) != HidReports::OutputReportId) {
        return;
    }
    const int length = qMin<int>(quint8(report[1]), report.size() - 2);
    for (char b : report.sliced(2, length)) {
        receiveByte(quint8(b));
        if (!m_plugged) {
            return;
        }
    }
}

void SimProcessor::receiveByte(quint8 b)
{
    if (m_frame.isEmpty()) {
        if (b == Frames::KeepAliveByte) {
            ++m_keepAlives;
            if (m_echoKeepAlive) {
                queueReply(QByteArray(1, char(Frames::KeepAliveByte)), -1);
            }
        } else if (b == Frames::StartByte) {
            m_frame.append(char(b));
        }
        return; // anything else outside a frame is line noise
    }
    m_frame.append(char(b));
    if (m_frame.size() < 4) {
        return;
    }
    const auto length = frameLength(m_frame);
    if (!length) {
        ++m_badFrames;
        m_frame.clear();
    } else if (m_frame.size() == *length) {
        const QByteArray frame = m_frame;
        m_frame.clear();
        handleFrame(frame);
    }
}

SimFault SimProcessor::nextFault()
{
    for (const ScheduledFault& scheduled : m_scheduledFaults) {
        if (m_frameCount >= scheduled.firstFrame && m_frameCount <= scheduled.lastFrame) {
            return scheduled.fault;
        }
    }
    if (m_scriptedFaults.empty()) {
        return m_fault;
    }
    const SimFault fault = m_scriptedFaults.front();
    m_scriptedFaults.pop_front();
    return fault;
}

void SimProcessor::handleFrame(const QByteArray& frame)
{
    const qint64 arrival = m_clock.nsecsElapsed();
    const QByteArrayView body(frame.constData(), frame.size() - 1);
    const int mode = quint8(frame[1]) & 0x0F;
    if (Frames::checksum(body) != quint8(frame.back()) || mode >= ParamStore::ModeCount) {
        ++m_badFrames;
        return;
    }
    m_frames.append({quint8(frame[1]) >> 4, mode, quint8(frame[2]), frame});
    ++m_frameCount;

    const SimFault fault = nextFault();
    ++m_faultCounts[int(fault)];
    if (fault == SimFault::Silent) {
        return;
    }
    if (fault == SimFault::Unplug) {
        unplug();
        if (m_replugDelay > std::chrono::milliseconds::zero()) {
            QTimer::singleShot(m_replugDelay, this, &SimProcessor::replug);
        }
        return;
    }
    const int chunk = fault == SimFault::SplitReply ? SplitReplyChunk : 0;
    QByteArray data = answer(frame, fault == SimFault::LostWrite);
    QByteArray ack = Frames::acknowledgement();
    if (fault == SimFault::CorruptAck) {
        ack[1] = char(ack[1] ^ 0x40);
    }
    if (fault == SimFault::NoiseFirst) {
        QByteArray noise;
        for (int i = 0; i < m_noiseLength; ++i) {
            // Never the keep-alive or notification bytes: those are no noise to the receiver.
            noise.append(char(m_random.bounded(Frames::NotificationByte)));
        }
        ack.prepend(noise);
    }
    if (fault == SimFault::AckOnly) {
        queueReply(ack, arrival, chunk);
        return;
    }
    queueReply(ack, -1, chunk);
    if (fault == SimFault::CorruptData) {
        // The checksum stays below 0xFD, so the damaged frame is still all frame bytes.
        data.back() = char((quint8(data.back()) + 1) % Frames::NotificationByte);
    }
    queueReply(data, arrival, chunk);
}

QByteArray SimProcessor::answer(const QByteArray& frame, bool keepMemory)
{
    if (keepMemory && Frames::isWriteType(Frames::typeOf(frame))) {
        return withChecksum(QByteArray(3, '\0'));
    }
    const Frames::Type type = Frames::typeOf(frame);
    const int mode = quint8(frame[1]) & 0x0F;
    const int address = quint8(frame[2]);
    ParamStore& store = m_memory.store();
    const auto block = blockAtBase(address);
    QByteArray data;

    switch (type) {
    case Frames::Type::ParamWrite:
        store.setValue(ParamField::Value, mode, address, quint8(frame[3]));
        if (EqGroupTable::instance().usesThreeFields(address)) {
            store.setValue(ParamField::Gain, mode, address, quint8(frame[4]));
            store.setValue(ParamField::Q, mode, address, quint8(frame[5]));
        }
        Q_EMIT memoryWritten();
        break;
    case Frames::Type::BlockRead:
    case Frames::Type::MenuShowRead:
        for (int a = block ? block->base : address; block && a < block->base + block->size; ++a) {
            if (type == Frames::Type::BlockRead) {
                for (quint8 field : store.fields(ParamModel::slotMode(a, mode), a)) {
                    data.append(char(field));
                }
            } else {
                data.append(char(m_memory.menuShow()[a]));
                data.append(2, '\0');
            }
        }
        if (block) {
            return withChecksum(data);
        }
        break;
    case Frames::Type::BlockWrite:
    case Frames::Type::MenuShowWrite:
        for (int i = 0; block && i < block->size; ++i) {
            const int a = block->base + i;
            const char* fields = frame.constData() + 4 + 3 * i;
            if (type == Frames::Type::BlockWrite) {
                store.setFields(mode, a, {quint8(fields[0]), quint8(fields[1]), quint8(fields[2])});
            } else {
                m_memory.menuShow()[a] = quint8(fields[0]);
            }
        }
        if (block) {
            Q_EMIT memoryWritten();
        }
        break;
    case Frames::Type::ModeSelect:
        m_memory.setCurrentMode(mode);
        break;
    case Frames::Type::PasswordRead:
        for (quint8 c : m_memory.password()) {
            data.append(char(c));
        }
        return withChecksum(data);
    case Frames::Type::PasswordWrite:
        std::copy_n(frame.constData() + 4, m_memory.password().size(), m_memory.password().begin());
        Q_EMIT memoryWritten();
        break;
    case Frames::Type::Handshake:
        return withChecksum(QByteArray("\x33\x00\x00", 3));
    default:
        break;
    }
    // Writes and everything else: three bytes the program does not examine.
    return withChecksum(QByteArray(3, '\0'));
}

void SimProcessor::queueReply(QByteArray bytes, qint64 frameArrivalNs, int chunk)
{
    const int reportPayload = m_inputReportLength - 2;
    if (chunk <= 0) {
        chunk = m_replyChunk > 0 ? m_replyChunk : reportPayload;
    }
    chunk = qMin(chunk, reportPayload);
    for (qsizetype offset = 0; offset < bytes.size(); offset += chunk) {
        const bool last = offset + chunk >= bytes.size();
        m_outgoing.push_back({bytes.mid(offset, chunk), last ? frameArrivalNs : -1});
    }
    scheduleDelivery();
}

void SimProcessor::scheduleDelivery()
{
    if (m_outgoing.empty() || m_deliveryTimer.isActive()) {
        return;
    }
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 latencyNs = qint64(m_latencyMs * 1e6);
    m_nextDueNs = qMax(now, m_nextDueNs) + latencyNs;
    m_deliveryTimer.start(int(std::ceil((m_nextDueNs - now) / 1e6)));
}

void SimProcessor::deliverNext()
{
    if (m_outgoing.empty() || !m_plugged) {
        return;
    }
    const Outgoing report = m_outgoing.front();
    m_outgoing.pop_front();
    const qint64 now = m_clock.nsecsElapsed();
    m_nextDueNs = now;
    if (report.frameArrivalNs >= 0) {
        m_wireTimeNs += now - report.frameArrivalNs;
    }
    Q_EMIT inputReport(HidReports::buildInputReport(report.payload, m_inputReportLength));
    scheduleDelivery();
}

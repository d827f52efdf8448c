#include "FrameReceiver.h"

#include "Frames.h"

#include <algorithm>

void FrameReceiver::startAttempt(int replyLength)
{
    m_count = 0;
    m_expectedLength = Frames::AcknowledgementLength;
    m_replyLength = replyLength;
    m_acknowledged = false;
}

void FrameReceiver::ReceiveBytes(QByteArrayView data, Listener& listener)
{
    if (data.isEmpty()) {
        return;
    }
    for (char c : data) {
        const quint8 b = quint8(c);
        if (b == Frames::KeepAliveByte) {
            listener.onKeepAliveEcho();
        } else if (b == Frames::NotificationByte) {
            listener.onNotification();
        } else {
            if (m_count == BufferSize) {
                // Only a stream of bytes nobody asked for can fill the buffer; the oldest go.
                DropReceived(1);
                listener.onByteDiscarded();
            }
            m_buffer[m_count++] = b;
        }
    }
    scanFrames(listener);
    listener.onReport(Frames::hexText(data));
}

void FrameReceiver::scanFrames(Listener& listener)
{
    while (m_count >= m_expectedLength) {
        const int e = m_expectedLength;
        const QByteArrayView frame(reinterpret_cast<const char*>(m_buffer.data()), e);
        const bool valid = Frames::checksum(frame.first(e - 1)) == m_buffer[e - 1];
        const bool isAcknowledgement = m_buffer[0] == Frames::StartByte &&
                                       m_buffer[1] == Frames::Filler &&
                                       m_buffer[2] == Frames::Filler;
        if (valid && isAcknowledgement) {
            m_acknowledged = true;
            DropReceived(e);
            m_expectedLength = m_replyLength;
            listener.onAcknowledgement();
        } else if (valid && m_acknowledged) {
            m_reply = frame.toByteArray();
            DropReceived(e);
            listener.onDataFrame();
        } else {
            DropReceived(1);
            listener.onByteDiscarded();
        }
    }
}

void FrameReceiver::DropReceived(int count)
{
    count = std::clamp(count, 0, m_count);
    std::copy(m_buffer.begin() + count, m_buffer.begin() + m_count, m_buffer.begin());
    m_count -= count;
}

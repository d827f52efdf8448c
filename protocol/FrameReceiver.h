#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

// Gathers the bytes of input reports into frames: takes the keep-alive echo 0xFF and the
// notification 0xFD out of the stream, finds the acknowledgement and then the data frame by the
// length the sender expects, checks checksums and slides one byte forward after a bad one.
// Pure code over bytes; what a frame means to the exchange is told to a Listener.
class FrameReceiver
{
public:
    class Listener
    {
    public:
        virtual void onKeepAliveEcho() = 0;
        virtual void onNotification() = 0;
        virtual void onAcknowledgement() = 0;
        virtual void onDataFrame() = 0;
        virtual void onByteDiscarded() = 0; // dropped while resynchronising
        virtual void onReport(const QString& hexText) = 0;

    protected:
        ~Listener() = default;
    };

    static constexpr int BufferSize = 5001;

    // Before every attempt: bytes left from an earlier exchange must not mix with the new one.
    void startAttempt(int replyLength);

    void ReceiveBytes(QByteArrayView data, Listener& listener);
    void DropReceived(int count);

    // The last data frame, checksum included.
    const QByteArray& reply() const { return m_reply; }
    int receiveCount() const { return m_count; }
    int expectedLength() const { return m_expectedLength; }

private:
    void scanFrames(Listener& listener);

    std::array<quint8, BufferSize> m_buffer{};
    int m_count = 0;
    int m_expectedLength = 4;
    int m_replyLength = 4;
    // A data frame counts only after the acknowledgement of the current attempt; otherwise four
    // noise bytes that happen to checksum could end an exchange with garbage as its reply.
    bool m_acknowledged = false;
    QByteArray m_reply;
};

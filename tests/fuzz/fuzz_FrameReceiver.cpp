// The receiver, fed input reports made from the fuzzer's bytes. Each piece of input is a control
// byte and the report's bytes after its id: the control byte's top bit starts a new attempt (with
// a reply length picked by its low bits) and its middle bits the report's size. The report's own
// length byte comes from the input too, so it may claim more than the report holds.
#include "FrameReceiver.h"
#include "Frames.h"
#include "FuzzCheck.h"
#include "HidReports.h"

#include <array>
#include <cstdint>

namespace {

// Every reply length the link asks for, and a few it never does.
constexpr std::array<int, 8> ReplyLengths{4, 10, 37, 49, 91, 124, 1, 400};

class CheckingListener : public FrameReceiver::Listener
{
public:
    explicit CheckingListener(const FrameReceiver& receiver)
        : m_receiver(receiver)
    {}

    void startAttempt(int replyLength)
    {
        m_replyLength = replyLength;
        m_expected = Frames::AcknowledgementLength;
        m_acknowledged = false;
        m_held = 0;
        m_accountedFor = 0;
    }

    // Before each report: what it brings besides the keep-alive and notification bytes.
    void expect(QByteArrayView payload)
    {
        m_payload = payload;
        m_keepAlives = m_notifications = 0;
        for (char c : payload) {
            m_keepAlives += quint8(c) == Frames::KeepAliveByte;
            m_notifications += quint8(c) == Frames::NotificationByte;
        }
        m_held += payload.size() - m_keepAlives - m_notifications;
        m_reported = false;
    }

    // After each report: every byte is held, dropped or part of a frame that was found.
    void verifyAfterReport() const
    {
        FUZZ_CHECK(m_reported == !m_payload.isEmpty());
        FUZZ_CHECK(m_keepAlives == 0 && m_notifications == 0);
        FUZZ_CHECK(m_receiver.receiveCount() >= 0 &&
                   m_receiver.receiveCount() <= FrameReceiver::BufferSize);
        FUZZ_CHECK(m_receiver.receiveCount() < m_receiver.expectedLength());
        FUZZ_CHECK(m_receiver.receiveCount() + m_accountedFor == m_held);
    }

    void onKeepAliveEcho() override { FUZZ_CHECK(m_keepAlives-- > 0); }
    void onNotification() override { FUZZ_CHECK(m_notifications-- > 0); }

    // Any frame of the expected length that begins FE 23 23 and checks is an acknowledgement,
    // also one in the place of the data frame.
    void onAcknowledgement() override
    {
        FUZZ_CHECK(m_receiver.expectedLength() == m_replyLength);
        m_acknowledged = true;
        m_accountedFor += m_expected;
        m_expected = m_replyLength;
    }

    void onDataFrame() override
    {
        const QByteArray& reply = m_receiver.reply();
        FUZZ_CHECK(m_acknowledged && m_expected == m_replyLength);
        FUZZ_CHECK(reply.size() == m_replyLength);
        FUZZ_CHECK(Frames::checksum(QByteArrayView(reply).first(reply.size() - 1)) ==
                   quint8(reply.back()));
        FUZZ_CHECK(!reply.contains(char(Frames::KeepAliveByte)) &&
                   !reply.contains(char(Frames::NotificationByte)));
        m_accountedFor += reply.size();
    }

    void onByteDiscarded() override { ++m_accountedFor; }

    void onReport(const QString& hexText) override
    {
        FUZZ_CHECK(hexText == Frames::hexText(m_payload));
        m_reported = true;
    }

private:
    const FrameReceiver& m_receiver;
    QByteArrayView m_payload;
    int m_replyLength = 4;
    int m_expected = 4;
    bool m_acknowledged = false;
    bool m_reported = false;
    int m_keepAlives = 0;
    int m_notifications = 0;
    qint64 m_held = 0;
    qint64 m_accountedFor = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FrameReceiver receiver;
    CheckingListener listener(receiver);
    receiver.startAttempt(ReplyLengths[0]);
    listener.startAttempt(ReplyLengths[0]);
    size_t at = 0;
    while (at < size) {
        const quint8 control = data[at++];
        if (control & 0x80) {
            const int replyLength = ReplyLengths[control & 0x07];
            receiver.startAttempt(replyLength);
            listener.startAttempt(replyLength);
        }
        const size_t reportBytes = qMin<size_t>(size - at, 4 * ((control >> 3) & 0x0F) + 2);
        QByteArray report(1, char(HidReports::InputReportId));
        report.append(reinterpret_cast<const char*>(data + at), qsizetype(reportBytes));
        at += reportBytes;
        const auto payload = HidReports::parseInputReport(report);
        if (!payload) {
            continue;
        }
        FUZZ_CHECK(payload->size() > 0 && payload->size() <= report.size() - 2);
        listener.expect(*payload);
        receiver.ReceiveBytes(*payload, listener);
        listener.verifyAfterReport();
    }
    return 0;
}

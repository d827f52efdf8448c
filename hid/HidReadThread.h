#pragma once

#include <QByteArray>
#include <QThread>
#include <chrono>

class HidDeviceHandle;

// The one thread beside the GUI thread: it only waits for input reports on the transport's read
// handle and hands each one over through a queued signal. Its wait is short, so a stop request
// is noticed within PollTimeout. It never opens, closes or writes; the handle must outlive it.
class HidReadThread final : public QThread
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds PollTimeout{50};

    HidReadThread(HidDeviceHandle& device, int reportLength, QObject* parent = nullptr);
    ~HidReadThread() override;

    // Asks the thread to end and waits until it has.
    void stop();

Q_SIGNALS:
    // Emitted on the reader thread; connect with the GUI thread's object as context.
    void reportRead(const QByteArray& report);
    // The read failed; the thread has ended.
    void readFailed(const QString& error);

protected:
    void run() override;

private:
    HidDeviceHandle& m_device;
    const int m_reportLength;
};

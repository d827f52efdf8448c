#include "HidReadThread.h"

#include "HidDeviceHandle.h"

HidReadThread::HidReadThread(HidDeviceHandle& device, int reportLength, QObject* parent)
    : QThread(parent)
    , m_device(device)
    , m_reportLength(reportLength)
{}

HidReadThread::~HidReadThread()
{
    stop();
}

void HidReadThread::stop()
{
    requestInterruption();
    wait();
}

void HidReadThread::run()
{
    while (!isInterruptionRequested()) {
        const std::optional<QByteArray> report = m_device.read(m_reportLength, PollTimeout);
        if (!report) {
            Q_EMIT readFailed(m_device.lastError());
            return;
        }
        if (!report->isEmpty()) {
            Q_EMIT reportRead(*report);
        }
    }
}

#include "FakeHidBus.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void FakeHidBus::plug(const HidDeviceInfo& device, bool openable)
{
    QMutexLocker lock(&m_mutex);
    m_devices.append({device, openable, ++m_plugCount});
    m_changed.wakeAll();
}

void FakeHidBus::unplug(const QByteArray& path)
{
    QMutexLocker lock(&m_mutex);
    m_devices.removeIf([&](const Device& device) { return device.info.path == path; });
    m_changed.wakeAll();
}

void FakeHidBus::queueInput(const QByteArray& report)
{
    QMutexLocker lock(&m_mutex);
    m_input.push_back(report);
    m_changed.wakeAll();
}

void FakeHidBus::failNextWrites(int count)
{
    QMutexLocker lock(&m_mutex);
    m_failWrites = count;
}

void FakeHidBus::failNextRead()
{
    QMutexLocker lock(&m_mutex);
    m_failRead = true;
    m_changed.wakeAll();
}

QList<HidDeviceInfo> FakeHidBus::devices(quint16 vendorId, quint16 productId) const
{
    QMutexLocker lock(&m_mutex);
    QList<HidDeviceInfo> found;
    for (const Device& device : m_devices) {
        if (device.info.vendorId == vendorId && device.info.productId == productId) {
            found.append(device.info);
        }
    }
    return found;
}

std::optional<int> FakeHidBus::openDevice(const QByteArray& path)
{
    QMutexLocker lock(&m_mutex);
    for (const Device& device : m_devices) {
        if (device.info.path == path && device.openable) {
            ++m_opens;
            ++m_openHandles;
            return device.plugCount;
        }
    }
    return std::nullopt;
}

void FakeHidBus::closeHandle(bool whileReading)
{
    QMutexLocker lock(&m_mutex);
    --m_openHandles;
    if (whileReading) {
        ++m_closedWhileReading;
    }
}

bool FakeHidBus::isPluggedLocked(const QByteArray& path, int plugCount) const
{
    return std::any_of(m_devices.begin(), m_devices.end(), [&](const Device& device) {
        return device.info.path == path && device.plugCount == plugCount;
    });
}

bool FakeHidBus::write(const QByteArray& path, int plugCount, QByteArrayView report)
{
    QMutexLocker lock(&m_mutex);
    if (!isPluggedLocked(path, plugCount)) {
        return false;
    }
    if (m_failWrites > 0) {
        --m_failWrites;
        return false;
    }
    m_written.append(report.toByteArray());
    return true;
}

std::optional<QByteArray> FakeHidBus::read(const QByteArray& path, int plugCount, int maxLength,
                                           int timeoutMs)
{
    QMutexLocker lock(&m_mutex);
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        ++m_readsOnMainThread;
    } else {
        ++m_readsOffMainThread;
    }
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (m_failRead || !isPluggedLocked(path, plugCount)) {
            m_failRead = false;
            return std::nullopt;
        }
        if (!m_input.empty()) {
            const QByteArray report = m_input.front().left(maxLength);
            m_input.pop_front();
            return report;
        }
        if (!m_changed.wait(&m_mutex, deadline)) {
            return QByteArray();
        }
    }
}

QList<QByteArray> FakeHidBus::written() const
{
    QMutexLocker lock(&m_mutex);
    return m_written;
}

int FakeHidBus::opens() const
{
    QMutexLocker lock(&m_mutex);
    return m_opens;
}

int FakeHidBus::openHandles() const
{
    QMutexLocker lock(&m_mutex);
    return m_openHandles;
}

int FakeHidBus::handlesClosedWhileReading() const
{
    QMutexLocker lock(&m_mutex);
    return m_closedWhileReading;
}

int FakeHidBus::readsOffMainThread() const
{
    QMutexLocker lock(&m_mutex);
    return m_readsOffMainThread;
}

int FakeHidBus::readsOnMainThread() const
{
    QMutexLocker lock(&m_mutex);
    return m_readsOnMainThread;
}

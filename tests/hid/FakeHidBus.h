#pragma once

#include "HidDeviceInfo.h"

#include <QList>
#include <QMutex>
#include <QWaitCondition>
#include <deque>
#include <optional>

// HID devices a test plugs in and unplugs, and a record of what the transport did with them.
// The transport's reader thread reads through it while the test thread drives it, so every
// member takes the lock. Input reports go to whichever handle reads first.
class FakeHidBus
{
public:
    void plug(const HidDeviceInfo& device, bool openable = true);
    void unplug(const QByteArray& path);
    void queueInput(const QByteArray& report);
    void failNextWrites(int count);
    void failNextRead();

    QList<HidDeviceInfo> devices(quint16 vendorId, quint16 productId) const;
    // The plug count of the device at path when it can be opened now.
    std::optional<int> openDevice(const QByteArray& path);
    void closeHandle(bool whileReading);
    // A handle works only while the device it was opened on stays plugged.
    bool write(const QByteArray& path, int plugCount, QByteArrayView report);
    std::optional<QByteArray> read(const QByteArray& path, int plugCount, int maxLength,
                                   int timeoutMs);

    QList<QByteArray> written() const;
    int opens() const;
    int openHandles() const;
    int handlesClosedWhileReading() const;
    int readsOffMainThread() const;
    int readsOnMainThread() const;

private:
    struct Device
    {
        HidDeviceInfo info;
        bool openable;
        int plugCount;
    };

    bool isPluggedLocked(const QByteArray& path, int plugCount) const;

    mutable QMutex m_mutex;
    QWaitCondition m_changed;
    QList<Device> m_devices;
    int m_plugCount = 0;
    std::deque<QByteArray> m_input;
    int m_failWrites = 0;
    bool m_failRead = false;
    QList<QByteArray> m_written;
    int m_opens = 0;
    int m_openHandles = 0;
    int m_closedWhileReading = 0;
    int m_readsOffMainThread = 0;
    int m_readsOnMainThread = 0;
};

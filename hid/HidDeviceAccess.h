#pragma once

#include "HidDeviceHandle.h"
#include "HidDeviceInfo.h"

#include <QList>
#include <memory>

// Finding and opening HID devices: hidapi in the program, a fake bus in the tests.
class HidDeviceAccess
{
public:
    virtual ~HidDeviceAccess() = default;

    // Every present device with exactly these ids, each once, with its report lengths.
    virtual QList<HidDeviceInfo> devices(quint16 vendorId, quint16 productId) = 0;
    // Opens the device at path for reading and writing; nullptr when it cannot be opened.
    virtual std::unique_ptr<HidDeviceHandle> open(const QByteArray& path) = 0;
    // Why the last search found nothing or the last open failed.
    virtual QString lastError() const = 0;
    // The last open failed because this user may not open the device (no udev rule).
    virtual bool lastOpenDenied() const { return false; }
};

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <chrono>
#include <optional>

// One opened HID device. Closing it is destroying it. A handle serves one thread at a time:
// the transport writes through one handle on the GUI thread and reads through a second one on
// its reader thread, so no state is shared between the two.
class HidDeviceHandle
{
public:
    virtual ~HidDeviceHandle() = default;

    // Writes one whole output report; false when the device failed or took fewer bytes.
    virtual bool write(QByteArrayView report) = 0;
    // One input report of at most maxLength bytes, waiting up to timeout for it: an empty
    // array when none came in time, nothing when the device failed (unplugged, for example).
    virtual std::optional<QByteArray> read(int maxLength, std::chrono::milliseconds timeout) = 0;
    // Why the last write or read on this handle failed.
    virtual QString lastError() const = 0;
};

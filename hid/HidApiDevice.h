#pragma once

#include "HidDeviceHandle.h"

#include <hidapi.h>

// A device opened through hidapi; closes it when destroyed.
class HidApiDevice final : public HidDeviceHandle
{
public:
    // Takes ownership of an open device.
    explicit HidApiDevice(hid_device* device);
    ~HidApiDevice() override;
    HidApiDevice(const HidApiDevice&) = delete;
    HidApiDevice& operator=(const HidApiDevice&) = delete;

    bool write(QByteArrayView report) override;
    std::optional<QByteArray> read(int maxLength, std::chrono::milliseconds timeout) override;
    QString lastError() const override { return m_lastError; }

private:
    QString deviceError() const;

    hid_device* m_device;
    QString m_lastError;
};

#pragma once

#include "HidDeviceAccess.h"

class FakeHidBus;

// Device access for the transport under test: finds and opens the devices on a FakeHidBus.
class FakeHidDeviceAccess final : public HidDeviceAccess
{
public:
    explicit FakeHidDeviceAccess(FakeHidBus& bus)
        : m_bus(bus)
    {}

    QList<HidDeviceInfo> devices(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDeviceHandle> open(const QByteArray& path) override;
    QString lastError() const override { return m_lastError; }
    bool lastOpenDenied() const override { return m_openDenied; }

private:
    FakeHidBus& m_bus;
    QString m_lastError;
    bool m_openDenied = false;
};

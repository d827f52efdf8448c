#pragma once

#include "HidDeviceAccess.h"
#include "HidRawDescriptorReader.h"

// The process's hidapi session: hid_init when created, hid_exit when destroyed. The transport
// owns one; a tool that only lists devices may make its own while no transport exists.
class HidApiLibrary final : public HidDeviceAccess
{
public:
    explicit HidApiLibrary(HidRawDescriptorReader descriptors = HidRawDescriptorReader());
    ~HidApiLibrary() override;
    HidApiLibrary(const HidApiLibrary&) = delete;
    HidApiLibrary& operator=(const HidApiLibrary&) = delete;

    bool isReady() const { return m_ready; }

    QList<HidDeviceInfo> devices(quint16 vendorId, quint16 productId) override;
    std::unique_ptr<HidDeviceHandle> open(const QByteArray& path) override;
    QString lastError() const override { return m_lastError; }
    bool lastOpenDenied() const override { return m_openDenied; }

private:
    HidRawDescriptorReader m_descriptors;
    bool m_ready = false;
    QString m_lastError;
    bool m_openDenied = false;
};

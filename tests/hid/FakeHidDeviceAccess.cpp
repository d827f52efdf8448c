#include "FakeHidDeviceAccess.h"

#include "FakeHidBus.h"

#include <atomic>

namespace {

class FakeHidHandle final : public HidDeviceHandle
{
public:
    FakeHidHandle(FakeHidBus& bus, QByteArray path, int plugCount)
        : m_bus(bus)
        , m_path(std::move(path))
        , m_plugCount(plugCount)
    {}

    // Records a handle closed under a read still running: the fault a transport must avoid.
    ~FakeHidHandle() override { m_bus.closeHandle(m_reading); }

    bool write(QByteArrayView report) override
    {
        if (m_bus.write(m_path, m_plugCount, report)) {
            return true;
        }
        m_lastError = QStringLiteral("fake write error");
        return false;
    }

    std::optional<QByteArray> read(int maxLength, std::chrono::milliseconds timeout) override
    {
        m_reading = true;
        std::optional<QByteArray> report =
            m_bus.read(m_path, m_plugCount, maxLength, int(timeout.count()));
        m_reading = false;
        if (!report) {
            m_lastError = QStringLiteral("fake read error");
        }
        return report;
    }

    QString lastError() const override { return m_lastError; }

private:
    FakeHidBus& m_bus;
    const QByteArray m_path;
    const int m_plugCount;
    std::atomic<bool> m_reading = false;
    QString m_lastError;
};

} // namespace

QList<HidDeviceInfo> FakeHidDeviceAccess::devices(quint16 vendorId, quint16 productId)
{
    const QList<HidDeviceInfo> found = m_bus.devices(vendorId, productId);
    if (found.isEmpty()) {
        m_lastError = QStringLiteral("fake bus: nothing plugged");
    }
    return found;
}

std::unique_ptr<HidDeviceHandle> FakeHidDeviceAccess::open(const QByteArray& path)
{
    if (const std::optional<int> plugCount = m_bus.openDevice(path)) {
        m_openDenied = false;
        return std::make_unique<FakeHidHandle>(m_bus, path, *plugCount);
    }
    m_openDenied = true;
    m_lastError = QStringLiteral("fake bus: permission denied");
    return nullptr;
}

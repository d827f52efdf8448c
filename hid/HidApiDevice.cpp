#include "HidApiDevice.h"

HidApiDevice::HidApiDevice(hid_device* device)
    : m_device(device)
{
    Q_ASSERT(m_device);
}

HidApiDevice::~HidApiDevice()
{
    hid_close(m_device);
}

bool HidApiDevice::write(QByteArrayView report)
{
    const int written =
        hid_write(m_device, reinterpret_cast<const unsigned char*>(report.data()), report.size());
    if (written == report.size()) {
        return true;
    }
    m_lastError =
        written < 0 ? deviceError()
                    : QStringLiteral("only %1 of %2 bytes written").arg(written).arg(report.size());
    return false;
}

std::optional<QByteArray> HidApiDevice::read(int maxLength, std::chrono::milliseconds timeout)
{
    QByteArray report(maxLength, '\0');
    const int received = hid_read_timeout(m_device, reinterpret_cast<unsigned char*>(report.data()),
                                          report.size(), int(timeout.count()));
    if (received < 0) {
        m_lastError = deviceError();
        return std::nullopt;
    }
    report.truncate(received);
    return report;
}

QString HidApiDevice::deviceError() const
{
    return QString::fromWCharArray(hid_error(m_device));
}

#pragma once

#include <QString>

// The processor's USB ids. The udev rule (packaging/70-tonvexa-processor.rules.in) is made from
// these two lines when the build is configured.
namespace ProcessorUsbIds {

inline constexpr quint16 VendorId = 0x0483;
inline constexpr quint16 ProductId = 0x6850;

// An id as the transport's VendorID and ProductID properties are written ("&H483").
inline QString literal(quint16 id)
{
    return QStringLiteral("&H") + QString::number(id, 16).toUpper();
}

} // namespace ProcessorUsbIds

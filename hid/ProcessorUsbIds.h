#pragma once

#include <QtGlobal>

// The processor's USB ids. The udev rule (packaging/70-tonvexa-processor.rules.in) is made from
// these two lines when the build is configured.
namespace ProcessorUsbIds {

inline constexpr quint16 VendorId = 0x0483;
inline constexpr quint16 ProductId = 0x6850;

} // namespace ProcessorUsbIds

#pragma once

#include <QString>

// The processor's USB ids, as the window and the command-line tool configure their transport.
namespace ProcessorUsbIds {
inline const QString VendorID = QStringLiteral("&H483");   // 1155
inline const QString ProductID = QStringLiteral("&H6850"); // 26704
} // namespace ProcessorUsbIds

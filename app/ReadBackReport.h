#pragma once

#include "SettingDifferences.h"

#include <QString>

// What the window says when the processor, read back after an upload, still differs from what
// was sent twice: one message listing the settings. The window shows what the processor holds.
namespace ReadBackReport {

// Empty when nothing differs.
QString message(const QList<SettingDifference>& remaining);

} // namespace ReadBackReport

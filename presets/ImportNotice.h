#pragma once

#include "ParamModel.h"

#include <QString>

// What an import changed beyond the EQ and the levels, in one line for the window: the panel
// lock (a preset saved unlocked unlocks the processor's front panel) and the front-panel menu's
// shown and hidden entries (which reach the processor only from the menu window, not with the
// upload). Empty when it changed neither.
namespace ImportNotice {

QString text(const ParamModel& before, const ParamModel& after, int lockAddress);

} // namespace ImportNotice

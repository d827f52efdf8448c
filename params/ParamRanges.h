#pragma once

#include "ParamTable.h"

// Values of common parameters that the window's commands step through or restore.
namespace ParamRanges {

// The highest value of each stepped selector (all start at 0).
inline constexpr int InputMax = findParam(0xC3)->max;     // input source
inline constexpr int StartModeMax = findParam(0xC4)->max; // mode at power-on
inline constexpr int FourWayMax = findParam(0xCF)->max;   // four-way feedback suppression

// The key (tone) command: sent, not part of a preset; the processor returns it to neutral.
inline constexpr int ToneAddress = 0xCE;
inline constexpr int ToneNeutral = 5;

} // namespace ParamRanges

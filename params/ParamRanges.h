#pragma once

// Values of common parameters that the window's commands step through or restore, as the
// processor defines them.
namespace ParamRanges {

// The highest value of each stepped selector (all start at 0).
inline constexpr int InputMax = 6;     // input source, 0xC3
inline constexpr int StartModeMax = 7; // mode at power-on, 0xC4
inline constexpr int FourWayMax = 3;   // four-way feedback suppression, 0xCF

// The key (tone) command: sent, not part of a preset; the processor returns it to neutral.
inline constexpr int ToneAddress = 0xCE;
inline constexpr int ToneNeutral = 5;

} // namespace ParamRanges

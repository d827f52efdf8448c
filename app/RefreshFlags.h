#pragma once

#include <functional>

// What RefreshControls brings up to date: one bit per family of controls, and what its filter
// means for the family that takes one.
namespace RefreshFlags {

enum : int
{
    Displays = 1,     // the digit displays (filter: address)
    Sliders = 2,      // the parameter sliders
    Buttons = 4,      // selectors, two-way buttons, the EQ on/off button
    BandReadouts = 8, // band markers and read-outs (filter: band)
    Knobs = 16,       // the three band knobs
    Curve = 32,       // one redraw of the EQ curve
    BandList = 64,    // rebuild the current group's band list from the store
    Everything = 255,
};
constexpr int AllAddresses = 255;

} // namespace RefreshFlags

// The window's RefreshControls, as its parts call it.
using ControlsRefresh = std::function<void(int flags, int filter)>;

#pragma once

#include <QFlags>
#include <functional>

// What RefreshControls brings up to date from the store: one flag per family of controls. The
// controls bound to an address follow the store's change signal by themselves; a refresh is for
// what the window changes besides the store (the mode, the EQ group, the selected band) and for
// the curve and the band list, which are drawn from the band table.
enum class Refresh
{
    Displays = 1,     // the digit displays
    Sliders = 2,      // the parameter sliders
    Buttons = 4,      // selectors, two-way buttons, the EQ on/off button
    BandReadouts = 8, // band markers and read-outs
    Knobs = 16,       // the three band knobs
    Curve = 32,       // one redraw of the EQ curve
    BandList = 64,    // rebuild the current group's band list from the store
    Everything = Displays | Sliders | Buttons | BandReadouts | Knobs | Curve | BandList,
};
Q_DECLARE_FLAGS(RefreshFlags, Refresh)
Q_DECLARE_OPERATORS_FOR_FLAGS(RefreshFlags)

// The window's RefreshControls, as its parts call it.
using ControlsRefresh = std::function<void(RefreshFlags flags)>;

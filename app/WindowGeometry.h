#pragma once

#include <QSize>
#include <QSizeF>

// The main window's design size and the size it opens at on a given screen.
namespace WindowGeometry {

inline constexpr int DesignWidth = 1582; // the title strip picture's width
inline constexpr int DesignHeight = 900;

// Height in pixels for a screen: fixed heights for the common resolutions, otherwise 0.88 of the
// screen's height; the width follows the design's aspect.
double initialHeight(QSize screenPixels);
QSizeF initialSize(QSize screenPixels);
double widthForHeight(double height);

} // namespace WindowGeometry

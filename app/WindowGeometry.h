#pragma once

#include <QSize>
#include <QSizeF>

// The main window's design size, the size it opens at on a given screen, and the sizes its
// resize grip allows.
namespace WindowGeometry {

inline constexpr int DesignWidth = 1582; // the title strip picture's width
inline constexpr int DesignHeight = 900;

// Height in pixels for a screen: fixed heights for the common resolutions, otherwise 0.88 of the
// screen's height; the width follows the design's aspect.
double initialHeight(QSize screenPixels);
// That size where it fits the screen's available area (the screen without its panels),
// otherwise the largest size of the design's aspect that does: on a narrow screen the height
// rule alone would put the close button and the grip off the right edge.
QSizeF initialSize(QSize screenPixels, QSize available);
double widthForHeight(double height);

// The largest height whose window, at the design's aspect, fits the available area.
double largestHeight(QSize available);
// The size the grip gives a window of the given height dragged by dy pixels: the design's
// aspect, at least half the design size, and no larger than the available area.
QSize gripSize(int height, int dy, QSize available);

} // namespace WindowGeometry

#pragma once

#include <QPointF>
#include <QRect>
#include <array>
#include <cmath>

// The three tabs (volume, effect, level) painted on the parameter panel pictures, in the panel
// picture's own pixels, edges included. The drawing program paints the tab strip here and the
// main window hit-tests the same rectangles, so the two cannot drift apart.
namespace PanelTabs {

inline constexpr std::array<QRect, 3> Rects{
    QRect(QPoint(715, 18), QPoint(824, 55)),
    QRect(QPoint(834, 18), QPoint(945, 55)),
    QRect(QPoint(953, 18), QPoint(1066, 55)),
};

// The tab whose pixels hold the point (panel pixels, fractions allowed); -1 for none.
inline int tabAt(QPointF point)
{
    const QPoint pixel(int(std::floor(point.x())), int(std::floor(point.y())));
    for (int tab = 0; tab < int(Rects.size()); ++tab) {
        if (Rects[tab].contains(pixel)) {
            return tab;
        }
    }
    return -1;
}

} // namespace PanelTabs

#include "WindowGeometry.h"

#include <array>

namespace WindowGeometry {

namespace {

struct FixedHeight
{
    QSize screen;
    int height;
};

constexpr std::array<FixedHeight, 4> FixedHeights{{
    {{1920, 1080}, 900},
    {{1366, 768}, 720},
    {{1440, 900}, 800},
    {{1400, 1050}, 780},
}};

} // namespace

double initialHeight(QSize screenPixels)
{
    for (const FixedHeight& fixed : FixedHeights) {
        if (fixed.screen == screenPixels) {
            return fixed.height;
        }
    }
    return 0.88 * screenPixels.height();
}

double widthForHeight(double height)
{
    return height * DesignWidth / DesignHeight;
}

QSizeF initialSize(QSize screenPixels)
{
    const double height = initialHeight(screenPixels);
    return {widthForHeight(height), height};
}

} // namespace WindowGeometry

#include "WindowGeometry.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cmath>

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

constexpr double OtherScreenShare = 0.88;
// Smaller, the rounded outline starts to cut into the close button and the grip.
constexpr int SmallestHeight = DesignHeight / 2;

} // namespace

double initialHeight(QSize screenPixels)
{
    for (const FixedHeight& fixed : FixedHeights) {
        if (fixed.screen == screenPixels) {
            return fixed.height;
        }
    }
    return OtherScreenShare * screenPixels.height();
}

double widthForHeight(double height)
{
    return height * DesignWidth / DesignHeight;
}

double largestHeight(QSize available)
{
    return std::min(double(available.height()),
                    available.width() * double(DesignHeight) / DesignWidth);
}

QSizeF initialSize(QSize screenPixels, QSize available)
{
    const double height = std::min(initialHeight(screenPixels), largestHeight(available));
    return {widthForHeight(height), height};
}

QSize gripSize(int height, int dy, QSize available)
{
    // A screen smaller than half the design still gets the smallest size rather than none.
    const int largest = std::max(SmallestHeight, int(std::floor(largestHeight(available))));
    const int newHeight = std::clamp(height + dy, SmallestHeight, largest);
    return {qRound(widthForHeight(newHeight)), newHeight};
}

} // namespace WindowGeometry

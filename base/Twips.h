#pragma once

#include <QRect>
#include <QRectF>
#include <cmath>

// The window works in twips; the program runs only on 96-DPI screens, where a logical pixel is
// 15 twips in both directions.
inline constexpr int TwipsPerPixel = 15;

// The whole pixels a place in twips covers. Rounding both edges (not the size) keeps
// neighbouring controls touching however the window is scaled.
inline QRect twipsToPixels(const QRectF& twips)
{
    const int left = int(std::lround(twips.left() / TwipsPerPixel));
    const int top = int(std::lround(twips.top() / TwipsPerPixel));
    const int right = int(std::lround(twips.right() / TwipsPerPixel));
    const int bottom = int(std::lround(twips.bottom() / TwipsPerPixel));
    return QRect(left, top, right - left, bottom - top);
}

#include "ProgressBarColumns.h"

#include "Rounding.h"

#include <algorithm>

namespace {
struct Rgb
{
    int red;
    int green;
    int blue;
};
constexpr Rgb GradientStart{255, 0, 0};
constexpr Rgb GradientEnd{0, 0, 255};
constexpr quint32 Unfilled = 0xC0C0C0;
// The last columns of the filled part give way to grey, so the edge of the progress is soft.
constexpr int GreyOverlap = 3;

int blend(int start, int end, int i, int n)
{
    return roundHalfEvenToInt(start + double(end - start) * i / n);
}
} // namespace

QList<quint32> progressBarColumns(int width, int value, int maxValue)
{
    const int n = width - 3;
    if (n <= 0 || maxValue <= 0 || value > maxValue) {
        return {};
    }
    const int filled = roundHalfEvenToInt(double(width) * std::max(value, 0) / maxValue);
    const int firstGrey = std::max(filled - GreyOverlap, 0);
    QList<quint32> columns(n, Unfilled);
    for (int i = 0; i < std::min(firstGrey, n); ++i) {
        const int red = blend(GradientStart.red, GradientEnd.red, i, n);
        const int green = blend(GradientStart.green, GradientEnd.green, i, n);
        const int blue = blend(GradientStart.blue, GradientEnd.blue, i, n);
        columns[i] = quint32(red << 16 | green << 8 | blue);
    }
    return columns;
}

#include "SliderMapping.h"

#include "Rounding.h"

#include <algorithm>

namespace SliderMapping {

namespace {
// Q bytes 1..30 take positions 0..29; above them every fourth byte from 31 takes a position,
// 31 at position 30: position = (q - 15) / 4 + 26.
constexpr int LastLinearQ = 30;
constexpr int LastLinearPosition = LastLinearQ - 1;
constexpr int QStepAbove = 4;
constexpr int QOffsetAbove = 15;
constexpr int PositionOffsetAbove = 26;
} // namespace

int qToPosition(int q)
{
    if (q <= 0) {
        return 0;
    }
    if (q <= LastLinearQ) {
        return q - 1;
    }
    return roundHalfEvenToInt((q - QOffsetAbove) / double(QStepAbove)) + PositionOffsetAbove;
}

int positionToQ(int position)
{
    if (position <= LastLinearPosition) {
        return position + 1;
    }
    return (position - PositionOffsetAbove) * QStepAbove + QOffsetAbove;
}

int centrePosition(int maxValue)
{
    return roundHalfEvenToInt(maxValue / 2.0);
}

double thumbCentre(int position, int maxValue, int minPos, int maxPos)
{
    return minPos + double(position) * (maxPos - minPos) / maxValue;
}

int positionAt(double u, int maxValue, int minPos, int maxPos, int current)
{
    if (maxPos == minPos) {
        return current;
    }
    // Limit before converting, so a pointer far outside the window cannot overflow the int.
    const double position = roundHalfEven((u - minPos) * maxValue / (maxPos - minPos));
    return static_cast<int>(std::clamp(position, 0.0, double(maxValue)));
}

} // namespace SliderMapping

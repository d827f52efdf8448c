#include "SliderMapping.h"

#include "Rounding.h"

#include <algorithm>

namespace SliderMapping {

namespace {
constexpr int LastLinearQ = 30;
constexpr int LastLinearPosition = LastLinearQ - 1;
constexpr int QStepAbove = 4;
} // namespace

int qToPosition(int q)
{
    if (q <= 0) {
        return 0;
    }
    if (q <= LastLinearQ) {
        return q - 1;
    }
    return roundHalfEvenToInt((q - 15) / double(QStepAbove)) + 26;
}

int positionToQ(int position)
{
    if (position <= LastLinearPosition) {
        return position + 1;
    }
    return (position - 26) * QStepAbove + 15;
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

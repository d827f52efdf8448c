#include "BandEncoding.h"

#include "BandTable.h"
#include "DecimalNumber.h"

#include <algorithm>
#include <cmath>

namespace BandEncoding {

quint8 toByte(double value)
{
    // nearbyint rounds halves to even in the default rounding mode.
    return quint8(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

int FreqFromIndex(quint8 index)
{
    const int i = index;
    if (i <= 40) {
        return 2 * i + 18;
    }
    if (i <= 130) {
        return (i - 31) * 10;
    }
    if (i <= 220) {
        return (i - 121) * 100;
    }
    return ((i - 221) * 5 + 100) * 100;
}

quint8 FreqToIndex(double hz)
{
    if (hz <= 98) {
        return toByte((hz - 18) / 2);
    }
    if (hz <= 990) {
        return toByte(hz / 10 + 31);
    }
    if (hz <= 9900) {
        return toByte(hz / 100 + 121);
    }
    return toByte((hz / 100 - 100) / 5 + 221);
}

double GainFromByte(quint8 byte)
{
    return (150 - 2 * int(byte)) / 10.0;
}

quint8 GainToByte(double db)
{
    return GainCountToByte(DecimalCount::fromDouble(db));
}

namespace {

quint8 countToByte(qint64 count)
{
    return quint8(
        std::clamp<qint64>(DecimalCount::divideRoundHalfEven(count, DecimalCount::Unit), 0, 255));
}

} // namespace

quint8 GainCountToByte(qint64 count)
{
    // (150 - 10 dB) / 2
    return countToByte(75 * DecimalCount::Unit - 5 * count);
}

double QFromByte(quint8 byte)
{
    const int b = std::max<int>(byte, 1);
    if (b <= 30) {
        return b / 10.0;
    }
    const int wholeSteps = (b - 15) / 4; // the bytes between two steps give the lower Q
    return double(wholeSteps);
}

namespace {

struct IndexRange
{
    quint8 low, high;
};

// Per EQ group: where its low cut and its high cut may go (music: up to 230 Hz; microphones: a
// high cut from 8 kHz; effect: the low cut below 1 kHz, the high cut above; bass: both up to
// 230 Hz). Groups without cuts take any index.
constexpr IndexRange AnyIndex{0, 255};
constexpr IndexRange LowCutRanges[] = {{0, 54},  {0, 54},  {0, 54}, {0, 130},
                                       AnyIndex, AnyIndex, {0, 54}, AnyIndex};
constexpr IndexRange HighCutRanges[] = {AnyIndex, {201, 241}, {201, 241}, {131, 241},
                                        AnyIndex, AnyIndex,   {0, 54},    AnyIndex};

quint8 clampInto(quint8 index, IndexRange range)
{
    return std::clamp(index, range.low, range.high);
}

} // namespace

quint8 ClampLowCutIndex(quint8 index, int group)
{
    return clampInto(index, LowCutRanges[std::clamp(group, 0, 7)]);
}

quint8 ClampHighCutIndex(quint8 index, int group)
{
    return clampInto(index, HighCutRanges[std::clamp(group, 0, 7)]);
}

namespace {

constexpr quint8 HighestIndex = 241; // 20 kHz

quint8 clampCut(quint8 index, BandKind kind, int group)
{
    return kind == BandKind::LowCut ? ClampLowCutIndex(index, group)
                                    : ClampHighCutIndex(index, group);
}

} // namespace

quint8 QToByte(double q)
{
    return QCountToByte(DecimalCount::fromDouble(q));
}

quint8 QCountToByte(qint64 count)
{
    constexpr qint64 Unit = DecimalCount::Unit;
    constexpr quint8 LastTenth = 30;  // Q 3.0
    constexpr quint8 FirstWhole = 31; // Q 4
    if (count <= 3 * Unit) {
        return countToByte(10 * count);
    }
    if (count < 4 * Unit) {
        // Q 3.0 and 4 are the bytes either side; the halfway 3.5 goes to the even 30.
        return 2 * count > 7 * Unit ? FirstWhole : LastTenth;
    }
    return countToByte(4 * count + 15 * Unit);
}

float SnapFreq(double hz, BandKind kind, int group)
{
    // The lowest frequency of each range of steps, and the step there.
    struct Steps
    {
        double from, step;
    };
    constexpr Steps Ranges[] = {{10000, 500}, {1000, 100}, {100, 10}, {0, 2}};
    constexpr double Lowest = 18;
    constexpr double Highest = 20000;

    double f = std::trunc(hz);
    if (f < Lowest) {
        f = Lowest;
    } else if (f > Highest) {
        f = Highest;
    } else {
        for (const Steps& range : Ranges) {
            if (f >= range.from) {
                f = std::trunc(f / range.step) * range.step;
                break;
            }
        }
    }
    if (kind == BandKind::Peaking) {
        return float(f);
    }
    return float(FreqFromIndex(clampCut(FreqToIndex(f), kind, group)));
}

quint8 NearestFreqIndex(double hz, BandKind kind, int group)
{
    // The step at or below, then the one above it if that is nearer (halfway goes up).
    quint8 index = FreqToIndex(SnapFreq(hz, BandKind::Peaking, group));
    if (index < HighestIndex && FreqFromIndex(index + 1) - hz <= hz - FreqFromIndex(index)) {
        ++index;
    }
    return kind == BandKind::Peaking ? index : clampCut(index, kind, group);
}

} // namespace BandEncoding

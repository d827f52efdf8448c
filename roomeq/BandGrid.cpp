#include "BandGrid.h"

#include "BandEncoding.h"
#include "BandTable.h"

#include <algorithm>
#include <cmath>

namespace BandGrid {

namespace {

constexpr quint8 HighestIndex = 241; // 20 kHz
constexpr quint8 HighestGain = 150;  // -15 dB

constexpr std::array<quint8, 42> QBytes = [] {
    std::array<quint8, 42> bytes{};
    for (int i = 0; i < 30; ++i) {
        bytes[std::size_t(i)] = quint8(i + 1); // Q 0.1 to 3.0
    }
    for (int i = 0; i < 12; ++i) {
        bytes[30 + std::size_t(i)] = quint8(31 + 4 * i); // Q 4 to 15
    }
    return bytes;
}();

// The two neighbours around x among count grid values, rising in value(k); nearest by
// distance(a, b).
template <class Value>
std::array<int, 2> around(double x, int count, Value value)
{
    if (x <= value(0)) {
        return {0, 0};
    }
    if (x >= value(count - 1)) {
        return {count - 1, count - 1};
    }
    int low = 0;
    int high = count - 1;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (value(middle) <= x ? low : high) = middle;
    }
    return value(low) == x ? std::array{low, low} : std::array{low, high};
}

template <class Value, class Distance>
int nearest(double x, int count, Value value, Distance distance)
{
    const auto [low, high] = around(x, count, value);
    return distance(x, value(low)) <= distance(x, value(high)) ? low : high;
}

double logDistance(double a, double b)
{
    return std::abs(std::log(a / b));
}

double linearDistance(double a, double b)
{
    return std::abs(a - b);
}

// Gain bytes fall as the gain rises: grid position k is byte 150 - k.
double gainAt(int k)
{
    return BandEncoding::GainFromByte(quint8(HighestGain - k));
}

double qAt(int k)
{
    return BandEncoding::QFromByte(QBytes[std::size_t(k)]);
}

std::optional<quint8> step(int position, int steps, int count)
{
    const int moved = position + steps;
    if (moved < 0 || moved >= count) {
        return std::nullopt;
    }
    return quint8(moved);
}

int qPosition(quint8 q)
{
    return int(std::lower_bound(QBytes.begin(), QBytes.end(), q) - QBytes.begin());
}

} // namespace

IndexRange indexRange(BandKind kind, int group)
{
    if (kind == BandKind::LowCut) {
        return {BandEncoding::ClampLowCutIndex(0, group),
                std::min(BandEncoding::ClampLowCutIndex(255, group), HighestIndex)};
    }
    if (kind == BandKind::HighCut) {
        return {BandEncoding::ClampHighCutIndex(0, group),
                std::min(BandEncoding::ClampHighCutIndex(255, group), HighestIndex)};
    }
    return {0, HighestIndex};
}

std::span<const quint8> qBytes()
{
    return QBytes;
}

std::array<quint8, 2> indexesAround(double hz, IndexRange range)
{
    const auto value = [&](int k) {
        return double(BandEncoding::FreqFromIndex(quint8(range.low + k)));
    };
    const auto [low, high] = around(hz, range.high - range.low + 1, value);
    return {quint8(range.low + low), quint8(range.low + high)};
}

std::array<quint8, 2> gainsAround(double db)
{
    const auto [low, high] = around(db, HighestGain + 1, gainAt);
    return {quint8(HighestGain - low), quint8(HighestGain - high)};
}

std::array<quint8, 2> qsAround(double q)
{
    const auto [low, high] = around(q, int(QBytes.size()), qAt);
    return {QBytes[std::size_t(low)], QBytes[std::size_t(high)]};
}

quint8 nearestIndex(double hz, IndexRange range)
{
    const auto value = [&](int k) {
        return double(BandEncoding::FreqFromIndex(quint8(range.low + k)));
    };
    return quint8(range.low + nearest(hz, range.high - range.low + 1, value, logDistance));
}

quint8 nearestGain(double db)
{
    return quint8(HighestGain - nearest(db, HighestGain + 1, gainAt, linearDistance));
}

quint8 nearestQ(double q)
{
    return QBytes[std::size_t(nearest(q, int(QBytes.size()), qAt, logDistance))];
}

std::optional<quint8> stepIndex(quint8 index, int steps, IndexRange range)
{
    const auto moved = step(index - range.low, steps, range.high - range.low + 1);
    return moved ? std::optional<quint8>(quint8(range.low + *moved)) : std::nullopt;
}

std::optional<quint8> stepGain(quint8 gain, int steps)
{
    // A step up in gain is a step down in bytes.
    const auto moved = step(HighestGain - gain, steps, HighestGain + 1);
    return moved ? std::optional<quint8>(quint8(HighestGain - *moved)) : std::nullopt;
}

std::optional<quint8> stepQ(quint8 q, int steps)
{
    const auto moved = step(qPosition(q), steps, int(QBytes.size()));
    return moved ? std::optional<quint8>(QBytes[std::size_t(*moved)]) : std::nullopt;
}

} // namespace BandGrid

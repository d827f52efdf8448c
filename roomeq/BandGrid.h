#pragma once

#include <QtGlobal>
#include <array>
#include <optional>
#include <span>

enum class BandKind : int;

// The values a band can take on the processor: frequency indexes 0 to 241 (18 Hz to 20 kHz;
// a group's cuts within their ranges), gain bytes 0 to 150 (0.2 dB steps over +-15 dB), and the
// Q bytes the Q knob offers (Q 0.1 to 3.0 by 0.1, then 4 to 15). Frequencies and Q are compared
// on a log scale, gains on a linear one.
namespace BandGrid {

constexpr double LowestHz = 18;
constexpr double HighestHz = 20000;
constexpr double GainLimitDb = 15;
constexpr double LowestQ = 0.1;
constexpr double HighestQ = 15;

struct IndexRange
{
    quint8 low, high;
};

// Where a band of the kind may go in the group.
IndexRange indexRange(BandKind kind, int group);

// The Q bytes the Q knob offers, rising.
std::span<const quint8> qBytes();

// The grid values on either side of a value (the same twice on a grid value and beyond the
// ends), and the nearest one.
std::array<quint8, 2> indexesAround(double hz, IndexRange range);
std::array<quint8, 2> gainsAround(double db);
std::array<quint8, 2> qsAround(double q);
quint8 nearestIndex(double hz, IndexRange range);
quint8 nearestGain(double db);
quint8 nearestQ(double q);

// A neighbour on the grid, steps away; nothing beyond the ends.
std::optional<quint8> stepIndex(quint8 index, int steps, IndexRange range);
std::optional<quint8> stepGain(quint8 gain, int steps);
std::optional<quint8> stepQ(quint8 q, int steps);

} // namespace BandGrid

#include "SeededNoise.h"

#include <cmath>

namespace {

// Streaks change over this many pixels along a row; long enough to read as brushing.
constexpr int StreakLength = 23;

} // namespace

SeededNoise::SeededNoise(quint32 seed)
    : m_seed(seed)
{}

quint32 SeededNoise::hash(int x, int y) const
{
    // A small integer mixer (murmur finaliser); any fixed mixer would do as long as it never
    // changes, because the committed pictures depend on it.
    quint32 h =
        m_seed ^ (static_cast<quint32>(x) * 0x9E3779B1u) ^ (static_cast<quint32>(y) * 0x85EBCA77u);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double SeededNoise::unit(int x, int y) const
{
    return static_cast<double>(hash(x, y) & 0xFFFFu) / 32767.5 - 1.0;
}

double SeededNoise::grain(int x, int y) const
{
    return unit(x, y);
}

double SeededNoise::streak(int x, int y) const
{
    // Offset each row's cells so that the cell borders do not line up into vertical seams.
    const int shifted = x + static_cast<int>(hash(-1, y) % StreakLength);
    const int cell = shifted / StreakLength;
    const double t = static_cast<double>(shifted % StreakLength) / StreakLength;
    const double smooth = t * t * (3.0 - 2.0 * t);
    const double along = unit(cell, y) * (1.0 - smooth) + unit(cell + 1, y) * smooth;
    return 0.55 * along + 0.45 * unit(-7, y);
}

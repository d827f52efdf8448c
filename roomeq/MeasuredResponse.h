#pragma once

#include <vector>

class FrequencyPoints;
struct Wish;

// A magnitude response measured in a room (or a target curve): frequencies rising, in Hz, and
// levels in dB.
struct MeasuredResponse
{
    std::vector<double> hz;
    std::vector<double> db;

    // The response at the points: the mean of the measured values within each point's share
    // of the log-frequency axis, or, where there are none, interpolated in log frequency
    // between its neighbours. Points beyond the measured range get weight 0.
    Wish at(const FrequencyPoints& points) const;
};

#pragma once

#include <QString>
#include <vector>

struct Wish;

// How far a response lies from a wish over the points that count: the largest difference and
// the root mean square of the differences, weighted as the wish weighs its points.
struct Deviation
{
    double maxDb = 0;
    double rmsDb = 0;

    static Deviation of(const std::vector<double>& response, const Wish& wish);

    // "max deviation 0.42 dB, rms 0.11 dB"
    QString text() const;
};

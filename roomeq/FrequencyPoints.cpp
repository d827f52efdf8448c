#include "FrequencyPoints.h"

#include "CookbookFilter.h"

#include <cmath>
#include <numbers>

namespace {

std::vector<double> logSpaced()
{
    const double octaves = std::log2(FrequencyPoints::Highest / FrequencyPoints::Lowest);
    const int steps = int(std::ceil(octaves * FrequencyPoints::PerOctave));
    std::vector<double> hz(std::size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        hz[std::size_t(i)] = FrequencyPoints::Lowest * std::exp2(octaves * i / steps);
    }
    hz.back() = FrequencyPoints::Highest;
    return hz;
}

} // namespace

const FrequencyPoints& FrequencyPoints::standard()
{
    static const FrequencyPoints points(logSpaced());
    return points;
}

FrequencyPoints::FrequencyPoints(std::vector<double> hz)
    : m_hz(std::move(hz))
{
    m_phi.reserve(m_hz.size());
    m_psi.reserve(m_hz.size());
    for (double f : m_hz) {
        const double sine = std::sin(std::numbers::pi * f / CookbookFilter::SampleRate);
        m_phi.push_back(sine * sine);
        m_psi.push_back(sine * sine * sine * sine);
    }
}

#include "FilterResponse.h"

#include "FrequencyPoints.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace FilterResponse {

namespace {

constexpr double DbPerNeper = 10 / std::numbers::ln10; // 10 log10 x = this * ln x
constexpr double Floor = 1e-30;                        // -300 dB

double angle(double hz)
{
    return 2 * std::numbers::pi * hz / CookbookFilter::SampleRate;
}

} // namespace

Cookbook::SquaredMagnitude magnitude(const CookbookFilter& f)
{
    const double w0 = angle(f.hz);
    const double c = std::cos(w0);
    const double alpha = std::sin(w0) / (2 * f.q);
    const double amplitude = std::pow(10.0, f.gainDb / 40);
    switch (f.type) {
    case FilterType::Peaking:
        return Cookbook::SquaredMagnitude(Cookbook::peaking(c, alpha, amplitude));
    case FilterType::LowPass:
        return Cookbook::SquaredMagnitude(Cookbook::lowPass(c, alpha));
    case FilterType::HighPass:
        return Cookbook::SquaredMagnitude(Cookbook::highPass(c, alpha));
    case FilterType::LowShelf:
        return Cookbook::SquaredMagnitude(
            Cookbook::lowShelf(c, alpha, amplitude, std::sqrt(amplitude)));
    case FilterType::HighShelf:
        break;
    }
    return Cookbook::SquaredMagnitude(
        Cookbook::highShelf(c, alpha, amplitude, std::sqrt(amplitude)));
}

double db(const Cookbook::SquaredMagnitude& m, const FrequencyPoints& points, int i)
{
    const double n = m.numerator(points.phi(i), points.psi(i));
    const double d = m.denominator(points.phi(i), points.psi(i));
    return DbPerNeper * std::log(std::max(n, Floor) / std::max(d, Floor));
}

std::vector<double> sum(const FilterList& filters, const FrequencyPoints& points)
{
    std::vector<double> total(std::size_t(points.size()), 0.0);
    for (const CookbookFilter& filter : filters) {
        const auto m = magnitude(filter);
        for (int i = 0; i < points.size(); ++i) {
            total[std::size_t(i)] += db(m, points, i);
        }
    }
    return total;
}

double qFromBandwidth(double octaves, double hz)
{
    const double w0 = angle(hz);
    return 1 / (2 * std::sinh(std::numbers::ln2 / 2 * octaves * w0 / std::sin(w0)));
}

} // namespace FilterResponse

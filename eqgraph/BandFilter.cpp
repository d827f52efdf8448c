#include "BandFilter.h"

#include "BandTable.h"

#include <cmath>

namespace {

constexpr double HalfAngle = 6.54498E-05;    // pi / 48000, per Hz
constexpr double CentreAngle = 0.0001308996; // 2 pi / 48000, per Hz
constexpr double CutAlphaDivisor = 2 * BandFilter::CutFilterQ;

} // namespace

BandFilter::BandFilter(const EqBand& band)
    : m_magnitude(coefficients(band))
{}

Cookbook::Coefficients BandFilter::coefficients(const EqBand& band)
{
    const double w0 = band.Frequency * CentreAngle;
    const double c = std::cos(w0);
    const double s0 = std::sin(w0);
    if (band.Kind == BandKind::Peaking) {
        const double gain = std::pow(10.0, band.Gain / 40.0);
        return Cookbook::peaking(c, s0 / (2 * double(band.Q)), gain);
    }
    const double alpha = s0 / CutAlphaDivisor;
    return band.Kind == BandKind::LowCut ? Cookbook::highPass(c, alpha)
                                         : Cookbook::lowPass(c, alpha);
}

BandFilter::Angle BandFilter::angleAt(double hz)
{
    const double squaredSine = std::pow(std::sin(hz * HalfAngle), 2);
    return {squaredSine, squaredSine * squaredSine};
}

float BandFilter::dbAt(double hz) const
{
    float value = 0;
    return db(angleAt(hz), value) ? value : 0.0f;
}

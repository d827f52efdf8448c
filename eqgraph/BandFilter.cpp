#include "BandFilter.h"

#include "BandTable.h"

#include <cmath>

namespace {

constexpr double HalfAngle = 6.54498E-05;    // pi / 48000, per Hz
constexpr double CentreAngle = 0.0001308996; // 2 pi / 48000, per Hz
constexpr float CutAlphaDivisor = 1.54f;     // the cuts' fixed Q of 0.77: -2.27 dB at the corner

struct Coefficients
{
    float x0, x1, x2;
};

} // namespace

BandFilter::BandFilter(const EqBand& band)
{
    const float w0 = float(band.Frequency * CentreAngle);
    const float c = std::cos(w0);
    const float s0 = std::sin(w0);
    Coefficients b{};
    Coefficients a{};
    if (band.Kind == BandKind::Peaking) {
        const float gain = float(std::pow(10.0, band.Gain / 40.0));
        const float alpha = s0 / (2 * band.Q);
        b = {1 + alpha * gain, -2 * c, 1 - alpha * gain};
        a = {1 + alpha / gain, -2 * c, 1 - alpha / gain};
    } else {
        const float alpha = s0 / CutAlphaDivisor;
        b = band.Kind == BandKind::LowCut ? Coefficients{(1 + c) / 2, -(1 + c), (1 + c) / 2}
                                          : Coefficients{(1 - c) / 2, 1 - c, (1 - c) / 2};
        a = {1 + alpha, -2 * c, 1 - alpha};
    }
    // |x0 + x1 z^-1 + x2 z^-2|^2 on the unit circle, written in phi and psi.
    const auto terms = [](Coefficients x, float& t0, float& t1, float& t2) {
        t0 = (x.x0 + x.x1 + x.x2) * (x.x0 + x.x1 + x.x2);
        t1 = 4 * (x.x0 * x.x1 + 4 * x.x0 * x.x2 + x.x1 * x.x2);
        t2 = 16 * x.x0 * x.x2;
    };
    terms(b, m_n0, m_n1, m_n2);
    terms(a, m_d0, m_d1, m_d2);
}

BandFilter::Angle BandFilter::angleAt(double hz)
{
    const double squaredSine = std::pow(std::sin(hz * HalfAngle), 2);
    return {float(squaredSine), float(squaredSine * squaredSine)};
}

float BandFilter::dbAt(double hz) const
{
    float value = 0;
    return db(angleAt(hz), value) ? value : 0.0f;
}

#pragma once

#include "Cookbook.h"

#include <cmath>
#include <limits>

struct EqBand;

// One band as the second-order filter the processor runs at 48 kHz: a peaking filter, or a
// low-pass for a high cut and a high-pass for a low cut. Its squared magnitude at frequency f is
// N / D, both quadratic in phi = sin^2(pi f / 48000) and psi = phi^2, so a response over many
// frequencies needs no trigonometry once phi and psi are known. The terms of N and D cancel
// almost entirely for a narrow band at low frequencies, so they are carried in double
// precision: in single precision a Q 15 band at 28 Hz would be drawn 25 dB wrong.
class BandFilter
{
public:
    // The cuts' fixed filter Q, whatever their stored Q byte: -2.27 dB at the corner frequency.
    static constexpr double CutFilterQ = 0.77;

    struct Angle
    {
        double phi; // sin^2(pi f / 48000)
        double psi; // sin^4(pi f / 48000)
    };

    explicit BandFilter(const EqBand& band);

    static Angle angleAt(double hz);

    // The response in dB at one point; false when N or D is zero (or not a usable number: a
    // rounding below zero, or a band that is no filter), where the response has no value.
    bool db(Angle angle, float& value) const
    {
        const double n = m_magnitude.numerator(angle.phi, angle.psi);
        const double d = m_magnitude.denominator(angle.phi, angle.psi);
        if (!hasLogarithm(n) || !hasLogarithm(d)) {
            return false;
        }
        // The ratio is well conditioned: its logarithm needs no more than single precision.
        value = DbPerNeper * std::log(float(n / d));
        return true;
    }

    // The response at one frequency, 0 where it has no value.
    float dbAt(double hz) const;

private:
    static constexpr float DbPerNeper = float(10 / 2.30258509299405); // 10 log10 x = this * ln x

    static bool hasLogarithm(double x) { return x > 0 && x <= std::numeric_limits<double>::max(); }

    static Cookbook::Coefficients coefficients(const EqBand& band);

    Cookbook::SquaredMagnitude m_magnitude;
};

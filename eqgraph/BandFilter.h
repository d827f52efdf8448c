#pragma once

#include <cmath>
#include <limits>

struct EqBand;

// One band as the second-order filter the processor runs at 48 kHz: a peaking filter, or a
// low-pass for a high cut and a high-pass for a low cut. Its squared magnitude at frequency f is
// N / D, both quadratic in phi = sin^2(pi f / 48000) and psi = phi^2, so a response over many
// frequencies needs no trigonometry once phi and psi are known.
class BandFilter
{
public:
    struct Angle
    {
        float phi; // sin^2(pi f / 48000)
        float psi; // sin^4(pi f / 48000)
    };

    explicit BandFilter(const EqBand& band);

    static Angle angleAt(double hz);

    // The response in dB at one point; false when N or D is zero (or not a usable number: a
    // rounding below zero, or a band that is no filter), where the response has no value.
    bool db(Angle angle, float& value) const
    {
        const float n = m_n0 - m_n1 * angle.phi + m_n2 * angle.psi;
        const float d = m_d0 - m_d1 * angle.phi + m_d2 * angle.psi;
        if (!hasLogarithm(n) || !hasLogarithm(d)) {
            return false;
        }
        value = DbPerNeper * std::log(n / d);
        return true;
    }

    // The response at one frequency, 0 where it has no value.
    float dbAt(double hz) const;

private:
    static constexpr float DbPerNeper = float(10 / 2.30258509299405); // 10 log10 x = this * ln x

    static bool hasLogarithm(float x) { return x > 0 && x <= std::numeric_limits<float>::max(); }

    // N = n0 - n1 phi + n2 psi from b0, b1, b2; D likewise from a0, a1, a2.
    float m_n0, m_n1, m_n2;
    float m_d0, m_d1, m_d2;
};

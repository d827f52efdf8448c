#pragma once

#include <vector>

// The frequencies a fit and its deviation figures look at: 20 Hz to 20 kHz, evenly spaced in
// log frequency, so that every octave weighs the same. Each point keeps sin^2(pi f / 48000) and
// its square, which is all a cookbook filter's magnitude needs.
class FrequencyPoints
{
public:
    static constexpr double Lowest = 20;
    static constexpr double Highest = 20000;
    static constexpr int PerOctave = 48;

    // Lowest to Highest, PerOctave points an octave (a little more, so both ends are points).
    static const FrequencyPoints& standard();

    explicit FrequencyPoints(std::vector<double> hz);

    int size() const { return int(m_hz.size()); }
    double hz(int i) const { return m_hz[std::size_t(i)]; }
    double phi(int i) const { return m_phi[std::size_t(i)]; }
    double psi(int i) const { return m_psi[std::size_t(i)]; }
    const std::vector<double>& frequencies() const { return m_hz; }

private:
    std::vector<double> m_hz;
    std::vector<double> m_phi;
    std::vector<double> m_psi;
};

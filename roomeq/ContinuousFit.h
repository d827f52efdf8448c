#pragma once

#include "CookbookFilter.h"
#include "Wish.h"

#include <array>
#include <vector>

enum class BandKind : int;
class FrequencyPoints;

// A band of a fit with continuous values, within the limits of its kind.
struct FitBand
{
    // Its parameters, as the fit moves them: log frequency, dB, log Q.
    enum Parameter
    {
        Frequency,
        Gain,
        Q
    };

    BandKind kind;
    double hz;
    double gainDb; // peaking bands only
    double q;      // peaking bands only
    double lowestHz;
    double highestHz;
    // Parameters held where they are while the others move.
    std::array<bool, 3> held{};

    void hold(bool on) { held = {on, on, on}; }
    // Frequency, gain and Q for a peaking band; the frequency for a cut.
    int parameterCount() const;
    bool moves(int parameter) const { return parameter < parameterCount() && !held[parameter]; }
    double parameter(int parameter) const;
    // Sets a parameter, held within the band's limits.
    void setParameter(int parameter, double value);
    // Sets frequency, gain and Q in their own units, held within the band's limits.
    void place(double atHz, double atGainDb, double atQ);

    // The filter the band is: a peaking filter, or the cuts' low- or high-pass with their Q.
    CookbookFilter filter() const;
};

// Moves bands to the least weighted squared deviation of their summed response from a wish,
// with continuous frequency, gain and Q: Levenberg-Marquardt over log frequency, dB and log Q,
// each step held within the bands' limits. Double precision, cookbook filters; deterministic.
class ContinuousFit
{
public:
    ContinuousFit(const FrequencyPoints& points, const Wish& wish);

    // Moves the parameters that are not held, in at most `iterations` steps. A gain penalty
    // adds that many dB squared of cost per dB squared of each moving gain.
    void optimise(std::vector<FitBand>& bands, int iterations, double gainPenalty = 0) const;

    // The summed response of the bands at the points.
    std::vector<double> response(const std::vector<FitBand>& bands) const;
    // Adds one band's response to a sum.
    void add(const FitBand& band, std::vector<double>& sum) const;
    // The weighted sum of squared deviations of a response from the wish, in dB squared.
    double cost(const std::vector<double>& response) const
    {
        return m_wish.squaredDeviation(response);
    }
    double cost(const std::vector<FitBand>& bands) const { return cost(response(bands)); }

    const FrequencyPoints& points() const { return m_points; }
    const Wish& wish() const { return m_wish; }

private:
    const FrequencyPoints& m_points;
    const Wish& m_wish;
};

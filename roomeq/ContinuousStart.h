#pragma once

#include "ContinuousFit.h"

#include <vector>

class GroupBands;

// The continuous fit of a group's bands to a wish, before any grid: peaking bands from the
// seed's peaking filters where there are no more of those than bands (in order), and each
// other peaking band placed where the smoothed remaining deviation peaks, its Q from the width
// of that peak; the cuts from the seed's high- and low-pass or at the far ends of their ranges,
// where they take least away. Then all bands move together (Levenberg-Marquardt), and while it
// helps, the band that does least moves to where the wish is still furthest and all move again.
// This search runs twice, once keeping gains small, and the closer result is kept.
class ContinuousStart
{
public:
    ContinuousStart(const ContinuousFit& fit, const GroupBands& current, const FilterList& seed);

    // How many peaking bands the seed's peaking filters took, in order (0 when they were more
    // than the bands).
    int seededCount() const { return m_seededCount; }
    // The bands as the seed set them, before any fitting.
    const std::vector<FitBand>& seedBands() const { return m_seedBands; }

    std::vector<FitBand> run();

    // How much a band does: its weighted squared response.
    static double weightOf(const ContinuousFit& fit, const FitBand& band);

private:
    void placeRemaining();
    void exchangeWeakest();
    // Puts the band on the peak of the smoothed deviation left by the others; false when what
    // is left is not worth a band.
    bool startOnResidualPeak(std::size_t b);
    std::vector<double> smoothedResidual() const;

    const ContinuousFit& m_fit;
    std::vector<FitBand> m_bands;
    std::vector<FitBand> m_seedBands;
    std::vector<bool> m_placed;
    int m_seededCount = 0;
    double m_penalty = 0; // of the search under way
};

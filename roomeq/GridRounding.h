#pragma once

#include "ContinuousFit.h"
#include "GroupBands.h"

#include <array>
#include <vector>

// Puts continuously fitted bands onto the processor's grid jointly, not band by band: one
// parameter at a time for every band, the coarsest first (frequency, then Q, then the fine
// gain), band by band from the one that does most; each goes to the better of the two grid
// values around it, and every parameter not yet on the grid moves again to make up for it.
class GridRounding
{
public:
    // How the two grid values of a frequency are judged: with the band's own other parameters
    // moved to their best for each, or with every parameter not yet on the grid moved. Q and
    // gain, whose steps cost little, are always judged the first way.
    enum class FrequencyTrial
    {
        BandAlone,
        AllFree
    };

    // bands: the continuous fit of the group's bands, in the order of current's.
    GridRounding(const ContinuousFit& fit, const GroupBands& current, std::vector<FitBand> bands,
                 FrequencyTrial frequencyTrial);

    GroupBands run();

private:
    // Puts the parameter on the grid and holds it there.
    void placeOnGrid(std::size_t b, int parameter);
    std::array<quint8, 2> gridAround(const FitBand& band, int parameter) const;

    bool othersMoveFor(int parameter) const;

    const ContinuousFit& m_fit;
    FrequencyTrial m_frequencyTrial;
    GroupBands m_result;
    std::vector<FitBand> m_bands;
};

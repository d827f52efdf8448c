#pragma once

#include "ContinuousFit.h"
#include "GroupBands.h"

#include <array>
#include <vector>

// Puts continuously fitted bands onto the processor's grid jointly, not band by band: one
// parameter at a time for every band, the coarsest first (frequency, then Q, then the fine
// gain), band by band from the one that does most; each goes to the better of the two grid
// values around it, after which every parameter not yet on the grid moves again to make up for
// it.
class GridRounding
{
public:
    // bands: the continuous fit of the group's bands, in the order of current's.
    GridRounding(const ContinuousFit& fit, const GroupBands& current, std::vector<FitBand> bands);

    GroupBands run();

private:
    void placeOnGrid(std::size_t b, int parameter);
    std::array<quint8, 2> gridAround(const FitBand& band, int parameter) const;

    const ContinuousFit& m_fit;
    GroupBands m_result;
    std::vector<FitBand> m_bands;
};

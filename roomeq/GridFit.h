#pragma once

#include "CookbookFilter.h"
#include "Deviation.h"
#include "GroupBands.h"

struct Wish;

// Chooses an EQ group's bands on the processor's grid (frequency index, gain byte and Q byte of
// the peaking bands; the frequencies of the cuts) whose response comes closest to a wish given
// at the standard fit points, every octave weighing the same. Jointly, not band by band:
//  1. a continuous fit of all bands together (ContinuousStart);
//  2. onto the grid a parameter at a time, the others moving again after each (GridRounding),
//     once judging each frequency step band by band and once with all bands moving;
//  3. grid steps judged by the processor's own model, one band's at a time and then two bands'
//     together (GridPolish), and the closer of the two kept.
// A seeded fit is never further off at its worst point than the seed's filters each put on
// their nearest grid values. The same wish, bands and seed always give the same result.
class GridFit
{
public:
    struct Result
    {
        GroupBands bands;
        Deviation deviation;  // the processor's model against the wish
        Deviation continuous; // the continuous fit of step 1, for comparison
    };

    // current: the group's bands now, for the addresses and for what a band left at 0 dB keeps
    // (its frequency and Q, so that nothing is sent for it). seed: peaking filters to start
    // from (used when they are no more than the group's peaking bands, and then kept in their
    // order on the addresses; otherwise the bands go onto the addresses by frequency), and a
    // high-pass and a low-pass to start the low and the high cut from.
    static Result fit(const Wish& wish, const GroupBands& current, const FilterList& seed = {});
};

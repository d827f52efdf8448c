#pragma once

#include "MainWindowControls.h"

class SkinnedSlider;

// The selected band's three knobs, in the order of the band's fields.
struct BandKnobs
{
    SkinnedSlider* frequency;
    SkinnedSlider* gain;
    SkinnedSlider* q;

    static BandKnobs of(const MainWindowControls& c)
    {
        return {c.frequencyKnob, c.gainKnob, c.qKnob};
    }
    // Field 0 is the frequency, 1 the gain, 2 the Q.
    SkinnedSlider* field(int field) const { return field == 0 ? frequency : field == 1 ? gain : q; }
};

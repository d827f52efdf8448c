#pragma once

#include "MainWindowControls.h"
#include "ParamField.h"

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
    SkinnedSlider* field(ParamField field) const
    {
        return field == ParamField::Value ? frequency : field == ParamField::Gain ? gain : q;
    }
};

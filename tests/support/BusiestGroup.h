#pragma once

#include "BandTable.h"
#include "ParamModel.h"

// The largest EQ group, microphone 1-2 (15 peaking bands and both cuts), with every peaking band
// boosted or cut: the most a redraw ever computes and draws.
inline void loadBusiestGroup(ParamModel& model, BandTable& bands)
{
    model.InitDefaults(ParamModel::FactoryReset);
    model.setCurrentEqGroup(1);
    for (int address = 0x44; address <= 0x52; ++address) {
        model.store().setValue(ParamField::Gain, 0, address, quint8(address % 2 == 0 ? 40 : 110));
    }
    bands.LoadGroupBands(model);
}

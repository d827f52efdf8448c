#pragma once

#include "GroupBands.h"
#include "ProcessorModel.h"

struct Wish;

// Single grid steps of any band (one frequency index, gain byte or Q step), judged by the
// processor's own response model, taken while they lower the weighted squared deviation from
// the wish without raising its largest point above where the polish began.
class GridPolish
{
public:
    GridPolish(const FrequencyPoints& points, const Wish& wish);

    void run(GroupBands& bands);

private:
    std::vector<StoredBand> steps(const StoredBand& band, int group) const;

    ProcessorModel m_model;
    const Wish& m_wish;
};

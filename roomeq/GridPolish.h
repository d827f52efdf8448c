#pragma once

#include "GroupBands.h"
#include "ProcessorModel.h"

struct Wish;

// Single grid steps of any band (one frequency index, gain byte or Q step), judged by the
// processor's own response model, taken while they lower the weighted squared deviation from
// the wish without raising its largest point above where the polish began. When no single step
// helps any more, two steps of different bands at once: a step that costs alone is often made
// up for by a neighbour's.
class GridPolish
{
public:
    GridPolish(const FrequencyPoints& points, const Wish& wish);

    void run(GroupBands& bands);

private:
    // The group's bands as the polish sees them: each band's response, their sum, and its cost.
    struct State
    {
        GroupBands& group;
        std::vector<std::vector<double>> responses;
        std::vector<double> total;
        double cost = 0;
        double limit = 0; // the largest deviation allowed
    };
    // A step of one band and what it does to the sum.
    struct Step
    {
        std::size_t band;
        StoredBand moved;
        std::vector<double> response;
    };

    // Every single step of every band from where the bands are now.
    std::vector<Step> stepsFrom(const State& state);
    bool singleSteps(State& state, std::vector<Step>& candidates);
    bool pairStep(State& state, std::vector<Step>& all);
    // Takes the steps when they lower the cost within the limit.
    bool take(State& state, std::initializer_list<Step*> steps);
    std::vector<StoredBand> steps(const StoredBand& band, int group) const;

    ProcessorModel m_model;
    const Wish& m_wish;
};

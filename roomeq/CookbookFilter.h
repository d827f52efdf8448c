#pragma once

#include <QList>

// One second-order filter of a filter file, as the Audio EQ Cookbook defines it at 48 kHz.
enum class FilterType
{
    Peaking,
    LowPass,
    HighPass,
    LowShelf,
    HighShelf
};

struct CookbookFilter
{
    static constexpr double SampleRate = 48000;
    // The Q of the types whose text may leave it out: a Butterworth pass, a shelf without
    // overshoot.
    static constexpr double DefaultQ = 0.70710678118654752;

    FilterType type = FilterType::Peaking;
    double hz = 1000;
    double gainDb = 0; // peaking and shelves only
    double q = DefaultQ;

    bool operator==(const CookbookFilter&) const = default;
};

using FilterList = QList<CookbookFilter>;

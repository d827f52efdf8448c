#pragma once

#include "Cookbook.h"
#include "CookbookFilter.h"

#include <vector>

class FrequencyPoints;

// The magnitude response of filter files in double precision: each filter by the Audio EQ
// Cookbook at 48 kHz, the filters' responses added in dB.
namespace FilterResponse {

Cookbook::SquaredMagnitude magnitude(const CookbookFilter& filter);
// The response in dB at point i; far below any audible level where the magnitude is 0.
double db(const Cookbook::SquaredMagnitude& magnitude, const FrequencyPoints& points, int i);
std::vector<double> sum(const FilterList& filters, const FrequencyPoints& points);

// The Q of a bandwidth in octaves between the -3 dB points of a filter at hz, by the
// cookbook's digital relation.
double qFromBandwidth(double octaves, double hz);

} // namespace FilterResponse

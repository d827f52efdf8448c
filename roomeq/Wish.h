#pragma once

#include "CookbookFilter.h"

#include <vector>

// What a fit aims at: a response in dB at each point of its FrequencyPoints, and how much each
// point counts (0 where nothing is wished, for example beyond the ends of a measurement).
struct Wish
{
    std::vector<double> db;
    std::vector<double> weight;

    // The weighted sum of the squared differences of a response from the wish, in dB squared.
    double squaredDeviation(const std::vector<double>& response) const
    {
        double total = 0;
        for (std::size_t i = 0; i < response.size(); ++i) {
            const double e = response[i] - db[i];
            total += weight[i] * e * e;
        }
        return total;
    }

    // The response, every point counting the same.
    static Wish everywhere(std::vector<double> db);
    // The response of a filter file at the standard fit points.
    static Wish ofFilters(const FilterList& filters);
};

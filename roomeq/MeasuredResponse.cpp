#include "MeasuredResponse.h"

#include "FrequencyPoints.h"
#include "Wish.h"

#include <algorithm>
#include <cmath>

Wish MeasuredResponse::at(const FrequencyPoints& points) const
{
    Wish wish{std::vector<double>(std::size_t(points.size()), 0.0),
              std::vector<double>(std::size_t(points.size()), 0.0)};
    const int last = points.size() - 1;
    for (int i = 0; i <= last; ++i) {
        const double f = points.hz(i);
        if (f < hz.front() || f > hz.back()) {
            continue;
        }
        // The point's share: from the geometric middle to the point before to that to the
        // point after (as far on the far side at the ends).
        const double below = i > 0 ? points.hz(i - 1) : f * f / points.hz(std::min(1, last));
        const double above = i < last ? points.hz(i + 1) : f * f / points.hz(std::max(0, last - 1));
        const auto from = std::lower_bound(hz.begin(), hz.end(), std::sqrt(below * f));
        const auto to = std::lower_bound(hz.begin(), hz.end(), std::sqrt(f * above));
        double value = 0;
        if (from < to) {
            for (auto k = from; k != to; ++k) {
                value += db[std::size_t(k - hz.begin())];
            }
            value /= double(to - from);
        } else {
            const auto upper = std::size_t(std::upper_bound(hz.begin(), hz.end(), f) - hz.begin());
            const std::size_t j = std::min(upper, hz.size() - 1);
            const double t = std::log(f / hz[j - 1]) / std::log(hz[j] / hz[j - 1]);
            value = db[j - 1] + t * (db[j] - db[j - 1]);
        }
        wish.db[std::size_t(i)] = value;
        wish.weight[std::size_t(i)] = 1;
    }
    return wish;
}

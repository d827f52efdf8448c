#include "GraphOverlay.h"

#include <algorithm>
#include <cmath>

OverlayCurve::OverlayCurve(std::vector<double> hz, std::vector<double> db)
    : m_hz(std::move(hz))
    , m_db(std::move(db))
{}

std::optional<double> OverlayCurve::at(double hz) const
{
    if (isEmpty() || hz < m_hz.front() || hz > m_hz.back()) {
        return std::nullopt;
    }
    const auto upper = std::upper_bound(m_hz.begin(), m_hz.end(), hz);
    const std::size_t j = std::min(std::size_t(upper - m_hz.begin()), m_hz.size() - 1);
    const double t = std::log(hz / m_hz[j - 1]) / std::log(m_hz[j] / m_hz[j - 1]);
    return m_db[j - 1] + t * (m_db[j] - m_db[j - 1]);
}

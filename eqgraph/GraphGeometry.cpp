#include "GraphGeometry.h"

#include <cmath>

namespace {

// Design pixels of the plot at scale 1.
constexpr double PlotLeft = 0;
constexpr double PlotRight = 1588;
constexpr double LeftOffset = 60;
constexpr double PlotTop = 10;
constexpr double PlotBottom = 350;
constexpr double Ln10 = 2.30258509299405;

// nearbyint rounds halves to even in the default rounding mode.
int nearest(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

GraphGeometry::GraphGeometry(float scale)
    : m_scale(scale)
    , m_width(nearest(DesignWidth * double(scale)))
    , m_height(nearest(DesignHeight * double(scale)))
    , m_x0(nearest(PlotLeft * scale))
    , m_x2(nearest(PlotRight * scale))
    , m_x1(nearest(LeftOffset * scale))
    , m_top(nearest(PlotTop * scale))
    , m_bottom(nearest(PlotBottom * scale))
    , m_centre(nearest(m_top + (m_bottom - m_top) / 2.0))
    , m_pixelsPerDecade(float((m_x2 - m_x0) / (log10(TopFrequency) - 1)))
{}

double GraphGeometry::log10(double value)
{
    return std::log(value) / Ln10;
}

float GraphGeometry::FreqToX(double hz) const
{
    return float((log10(hz) - 1) * m_pixelsPerDecade + m_x0 - m_x1);
}

float GraphGeometry::XToFreq(double x) const
{
    return float(std::pow(10.0, (x - m_x0 + m_x1) / m_pixelsPerDecade + 1));
}

float GraphGeometry::DbToY(double db) const
{
    if (db > DbRange) {
        return float(m_top);
    }
    if (db < -DbRange) {
        return float(m_bottom);
    }
    return float(m_centre + db * (m_top - m_bottom) / (2.0 * DbRange));
}

float GraphGeometry::YToDb(double y) const
{
    if (y < m_top) {
        return float(DbRange);
    }
    if (y > m_bottom) {
        return float(-DbRange);
    }
    return float((m_centre - y) * 2.0 * DbRange / (m_bottom - m_top));
}

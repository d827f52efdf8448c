#include "GraphGestures.h"

#include "BandEncoding.h"
#include "BandTable.h"
#include "GraphGeometry.h"

#include <algorithm>
#include <cmath>

namespace GraphGestures {

std::optional<int> HitTestBands(const BandTable& bands, const GraphGeometry& geometry,
                                QPointF point)
{
    for (int i = 0; i < BandTable::Capacity && bands.band(i).InUse; ++i) {
        const EqBand& band = bands.band(i);
        // The marker is drawn at the rounded place, so that is where it is hit.
        const double mx = std::nearbyint(geometry.FreqToX(band.Frequency));
        const double my = std::nearbyint(geometry.DbToY(band.Gain));
        if (std::abs(point.x() - mx) <= MarkerReach && std::abs(point.y() - my) <= MarkerReach) {
            return i;
        }
    }
    return std::nullopt;
}

ArrowKey StepTowardsClick(const EqBand& selected, const GraphGeometry& geometry, QPointF point)
{
    const double dx = point.x() - geometry.FreqToX(selected.Frequency);
    const double dy = point.y() - geometry.DbToY(selected.Gain);
    if (std::abs(dx) > MarkerReach && std::abs(dy) < StepReach) {
        return dx > 0 ? ArrowKey::Right : ArrowKey::Left;
    }
    if (std::abs(dy) > MarkerReach && std::abs(dx) < StepReach) {
        return dy > 0 ? ArrowKey::Down : ArrowKey::Up;
    }
    return ArrowKey::None;
}

DraggedBand DragBand(const EqBand& band, const GraphGeometry& geometry, QPointF point, int group)
{
    const double x = std::clamp(point.x(), 0.0, double(geometry.Width()));
    const float hz = BandEncoding::SnapFreq(geometry.XToFreq(x), band.Kind, group);
    const float db = BandEncoding::SnapGain(geometry.YToDb(point.y()), band.Kind);
    return {BandEncoding::FreqToIndex(hz), BandEncoding::GainToByte(db)};
}

} // namespace GraphGestures

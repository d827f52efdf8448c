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

BandDrag::BandDrag(const EqBand& band, const GraphGeometry& geometry, int group, QPointF press,
                   bool fine)
    : m_geometry(geometry)
    , m_kind(band.Kind)
    , m_group(group)
    , m_start(geometry.FreqToX(band.Frequency), geometry.DbToY(band.Gain))
    , m_startBytes{BandEncoding::FreqToIndex(band.Frequency), BandEncoding::GainToByte(band.Gain)}
    , m_markerAnchor(m_start)
    , m_pointerAnchor(press)
    , m_fine(fine)
{}

DraggedBand BandDrag::moveTo(QPointF pointer, bool fine)
{
    const auto markerAt = [this](QPointF at) {
        return m_markerAnchor + (at - m_pointerAnchor) * (m_fine ? FineSpeed : 1.0);
    };
    if (fine != m_fine) {
        m_markerAnchor = markerAt(pointer);
        m_pointerAnchor = pointer;
        m_fine = fine;
    }
    const QPointF marker = markerAt(pointer);
    DraggedBand bytes = m_startBytes;
    if (marker.x() != m_start.x()) {
        const double x = std::clamp(marker.x(), 0.0, double(m_geometry.Width()));
        bytes.frequencyIndex =
            BandEncoding::NearestFreqIndex(m_geometry.XToFreq(x), m_kind, m_group);
    }
    if (m_kind != BandKind::Peaking) {
        bytes.gainByte = BandEncoding::GainToByte(BandTable::CutGain);
    } else if (marker.y() != m_start.y()) {
        constexpr double Limit = 15; // dB either way
        bytes.gainByte = BandEncoding::GainToByte(
            std::clamp<double>(m_geometry.YToDb(marker.y()), -Limit, Limit));
    }
    return bytes;
}

} // namespace GraphGestures

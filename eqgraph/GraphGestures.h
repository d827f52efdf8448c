#pragma once

#include "GraphGeometry.h"

#include <QPointF>
#include <QtGlobal>
#include <optional>

class BandTable;
enum class BandKind : int;
struct EqBand;

// What a press, a drag or a click beside the selected marker does to the bands on the graph, in
// the graph's logical pixels. Pure: the window applies the results.
namespace GraphGestures {

// How far from a marker's centre, in both directions, a press still takes hold of it.
constexpr int MarkerReach = 13;
// How far off the selected marker's row (or column) a press still counts as beside (or above or
// below) it and steps the band towards it.
constexpr int StepReach = 20;

// The arrow key a gesture stands for: left and right step the frequency, up and down the gain.
enum class ArrowKey
{
    None,
    Left,
    Up,
    Right,
    Down
};

// The band record whose marker a press at point hits, the first in record order; none when the
// press is on no marker.
std::optional<int> HitTestBands(const BandTable& bands, const GraphGeometry& geometry,
                                QPointF point);

// The step a press at point makes the selected band take towards it: beside its marker a
// frequency step, above or below a gain step, on the marker or far from it none.
ArrowKey StepTowardsClick(const EqBand& selected, const GraphGeometry& geometry, QPointF point);

// The stored bytes a dragged band takes.
struct DraggedBand
{
    quint8 frequencyIndex;
    quint8 gainByte;
    bool operator==(const DraggedBand&) const = default;
};

// One drag of a band. Its marker moves as far as the pointer has moved since the press, a tenth
// as far while Shift is held (a change of speed goes on from where the marker is), so taking
// hold of a marker never moves it. The marker's place is held inside the picture and lands on
// the nearest frequency step (for a cut within its group's range) and the nearest 0.2 dB within
// +-15 dB (0 dB for a cut); until the marker has moved sideways the frequency stays as it was,
// until it has moved up or down the gain.
class BandDrag
{
public:
    static constexpr double FineSpeed = 0.1;

    BandDrag(const EqBand& band, const GraphGeometry& geometry, int group, QPointF press,
             bool fine);

    DraggedBand moveTo(QPointF pointer, bool fine);

private:
    GraphGeometry m_geometry;
    BandKind m_kind;
    int m_group;
    QPointF m_start; // the marker's place at the press
    DraggedBand m_startBytes;
    QPointF m_markerAnchor; // where the marker was when the speed last changed
    QPointF m_pointerAnchor;
    bool m_fine;
};

} // namespace GraphGestures

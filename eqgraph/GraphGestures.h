#pragma once

#include <QPointF>
#include <QtGlobal>
#include <optional>

class BandTable;
class GraphGeometry;
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

// The stored bytes of a band dragged to point: the frequency index (x held inside the picture,
// snapped to the steps and a cut's range) and the gain byte (0.2 dB steps within +-15 dB, 0 dB
// for a cut).
struct DraggedBand
{
    quint8 frequencyIndex;
    quint8 gainByte;
};
DraggedBand DragBand(const EqBand& band, const GraphGeometry& geometry, QPointF point, int group);

} // namespace GraphGestures

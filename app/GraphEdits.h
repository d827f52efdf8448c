#pragma once

#include "BandKnobs.h"
#include "GraphGestures.h"
#include "RefreshFlags.h"

#include <QPointF>
#include <optional>

class BandEditor;
class BandTable;
class EqGraphView;
class ParamModel;
class QTimer;
class UndoHistory;

// Editing the bands on the graph: a press takes hold of a marker and selects its band, or steps
// the selected band towards the press (unless the press only gave the graph the focus); a drag
// moves the band held (a tenth as fast with Shift), sent once the events waiting have run; the
// arrow keys and the wheel step the selected band's frequency or gain through the knobs, the
// wheel with Alt over a marker its Q. Every step that changes a byte belongs to the edit burst of
// the undo history; one that changes none does nothing.
class GraphEdits
{
public:
    GraphEdits(BandTable& bands, ParamModel& model, UndoHistory& undo, ControlsRefresh refresh,
               BandEditor& editor, EqGraphView& graph, BandKnobs knobs, QTimer& wheelStep);

    void attach();

    bool isDragging() const { return m_drag.has_value(); }

private:
    void pressed(QPointF point, bool tookFocus, bool fine);
    void moved(QPointF point, bool fine);
    void StepTowardsClick();
    void keyDown(GraphGestures::ArrowKey key);
    void stepQ(int steps);
    void wheelTurned(int notches);
    void altWheelTurned(QPointF point, int notches);
    void wheelStepTick();

    BandTable& m_bands;
    ParamModel& m_model;
    UndoHistory& m_undo;
    ControlsRefresh m_refresh;
    BandEditor& m_editor;
    EqGraphView& m_graph;
    BandKnobs m_knobs;
    QTimer& m_wheelStep;                           // Timer7
    std::optional<GraphGestures::BandDrag> m_drag; // BandDragging while it holds one
    QPointF m_lastPress;
    // Notches turned since the last Timer7 tick, positive away from the user: plain ones step
    // the gain, those with Alt the Q.
    int m_pendingNotches = 0;
    int m_pendingQNotches = 0;
};

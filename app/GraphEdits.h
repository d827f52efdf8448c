#pragma once

#include "GraphGestures.h"

#include <QPointF>

class BandEditor;
class EqGraphView;
class QTimer;
struct MainWindowContext;

// Editing the bands on the graph: a press takes hold of a marker and selects its band, or steps
// the selected band towards the press; a drag moves the band held, sent by the graph's next
// redraw; the arrow keys and the wheel step the selected band's frequency or gain through the
// knobs. Every step belongs to the edit burst of the undo history.
class GraphEdits
{
public:
    GraphEdits(MainWindowContext& context, BandEditor& bands, EqGraphView& graph,
               QTimer& wheelStep);

    void attach();

    bool isDragging() const { return m_dragging; }

private:
    void pressed(QPointF point);
    void moved(QPointF point);
    void StepTowardsClick();
    void keyDown(GraphGestures::ArrowKey key);
    void wheelTurned(int notches);
    void wheelStepTick();

    MainWindowContext& m_context;
    BandEditor& m_bands;
    EqGraphView& m_graph;
    QTimer& m_wheelStep;     // Timer7
    bool m_dragging = false; // BandDragging
    QPointF m_lastPress;
    // Notches turned since the last Timer7 tick: positive away from the user.
    int m_pendingNotches = 0;
};

#include "GraphEdits.h"

#include "BandEditor.h"
#include "BandTable.h"
#include "EqGraphView.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "ScrollBar.h"
#include "UndoHistory.h"

#include <QTimer>
#include <QWidget>
#include <cstdlib>

using GraphGestures::ArrowKey;

GraphEdits::GraphEdits(MainWindowContext& context, BandEditor& bands, EqGraphView& graph,
                       QTimer& wheelStep)
    : m_context(context)
    , m_bands(bands)
    , m_graph(graph)
    , m_wheelStep(wheelStep)
{}

void GraphEdits::attach()
{
    QObject* owner = &m_context.window;
    QObject::connect(&m_graph, &EqGraphView::pressed, owner,
                     [this](QPointF point) { pressed(point); });
    QObject::connect(&m_graph, &EqGraphView::moved, owner, [this](QPointF point) { moved(point); });
    QObject::connect(&m_graph, &EqGraphView::released, owner, [this] { m_dragging = false; });
    QObject::connect(&m_graph, &EqGraphView::doubleClicked, owner, [this] { StepTowardsClick(); });
    QObject::connect(&m_graph, &EqGraphView::arrowKeyPressed, owner,
                     [this](ArrowKey key) { keyDown(key); });
    QObject::connect(&m_graph, &EqGraphView::wheelTurned, owner,
                     [this](int notches) { wheelTurned(notches); });
    m_wheelStep.setSingleShot(true);
    QObject::connect(&m_wheelStep, &QTimer::timeout, owner, [this] { wheelStepTick(); });
}

void GraphEdits::pressed(QPointF point)
{
    if (const auto band = GraphGestures::HitTestBands(m_context.bands, m_graph.geometry(), point)) {
        m_dragging = true;
        m_bands.SelectBand(*band);
    }
    m_lastPress = point;
    StepTowardsClick();
}

void GraphEdits::moved(QPointF point)
{
    if (!m_dragging) {
        return;
    }
    m_context.undo.NoteChange();
    BandTable& bands = m_context.bands;
    const int band = bands.CurrentBand();
    const EqBand& record = bands.current();
    ParamModel& model = m_context.model;
    const auto dragged =
        GraphGestures::DragBand(record, m_graph.geometry(), point, model.currentEqGroup());
    const int mode = model.currentMode();
    model.store().setValue(0, mode, record.Address, dragged.frequencyIndex);
    model.store().setValue(1, mode, record.Address, dragged.gainByte);
    bands.setCurrentField(0, dragged.frequencyIndex);
    bands.setCurrentField(1, dragged.gainByte);
    // Sent by the next redraw: however fast the mouse, at most one send per redraw.
    m_graph.setPendingSendBand(band);
    m_context.RefreshControls(MainWindowContext::Curve | MainWindowContext::Knobs |
                                  MainWindowContext::BandReadouts,
                              band);
}

void GraphEdits::StepTowardsClick()
{
    const ArrowKey key =
        GraphGestures::StepTowardsClick(m_context.bands.current(), m_graph.geometry(), m_lastPress);
    if (key != ArrowKey::None) {
        keyDown(key);
    }
}

void GraphEdits::keyDown(ArrowKey key)
{
    m_context.undo.NoteChange();
    ScrollBar* gain = m_context.controls.MKnobDb; // its value is the gain byte: 0 is +15 dB
    ScrollBar* frequency = m_context.controls.MKnobFreq;
    switch (key) {
    case ArrowKey::Down:
        gain->setValue(gain->value() + 1); // held at the knob's maximum
        m_bands.knobChanged(1);
        break;
    case ArrowKey::Up:
        if (gain->value() != 0) {
            gain->setValue(gain->value() - 1);
            m_bands.knobChanged(1);
        }
        break;
    case ArrowKey::Right:
        frequency->setValue(frequency->value() + 1);
        m_bands.knobChanged(0);
        break;
    case ArrowKey::Left:
        if (frequency->value() != 0) {
            frequency->setValue(frequency->value() - 1);
            m_bands.knobChanged(0);
        }
        break;
    case ArrowKey::None:
        break;
    }
    m_context.RefreshControls(MainWindowContext::BandReadouts, m_context.bands.CurrentBand());
}

void GraphEdits::wheelTurned(int notches)
{
    m_pendingNotches += notches;
    m_wheelStep.start();
}

void GraphEdits::wheelStepTick()
{
    m_wheelStep.stop();
    // Every notch is one step, also when several came within one tick.
    const int notches = m_pendingNotches;
    m_pendingNotches = 0;
    for (int i = 0; i < std::abs(notches); ++i) {
        keyDown(notches < 0 ? ArrowKey::Down : ArrowKey::Up);
    }
}

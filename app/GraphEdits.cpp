#include "GraphEdits.h"

#include "BandEditor.h"
#include "BandTable.h"
#include "EqGraphView.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "SkinnedSlider.h"
#include "SliderMapping.h"
#include "UndoHistory.h"

#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <utility>

using GraphGestures::ArrowKey;

GraphEdits::GraphEdits(BandTable& bands, ParamModel& model, UndoHistory& undo,
                       ControlsRefresh refresh, BandEditor& editor, EqGraphView& graph,
                       BandKnobs knobs, QTimer& wheelStep)
    : m_bands(bands)
    , m_model(model)
    , m_undo(undo)
    , m_refresh(std::move(refresh))
    , m_editor(editor)
    , m_graph(graph)
    , m_knobs(knobs)
    , m_wheelStep(wheelStep)
{}

void GraphEdits::attach()
{
    // The graph and the timer are the window's: they go with it.
    QObject::connect(
        &m_graph, &EqGraphView::pressed, &m_graph,
        [this](QPointF point, bool tookFocus, bool fine) { pressed(point, tookFocus, fine); });
    QObject::connect(&m_graph, &EqGraphView::moved, &m_graph,
                     [this](QPointF point, bool fine) { moved(point, fine); });
    QObject::connect(&m_graph, &EqGraphView::released, &m_graph, [this] { m_drag.reset(); });
    QObject::connect(&m_graph, &EqGraphView::doubleClicked, &m_graph,
                     [this] { StepTowardsClick(); });
    QObject::connect(&m_graph, &EqGraphView::arrowKeyPressed, &m_graph,
                     [this](ArrowKey key) { keyDown(key); });
    QObject::connect(&m_graph, &EqGraphView::wheelTurned, &m_graph,
                     [this](int notches) { wheelTurned(notches); });
    QObject::connect(&m_graph, &EqGraphView::altWheelTurned, &m_graph,
                     [this](QPointF point, int notches) { altWheelTurned(point, notches); });
    m_wheelStep.setSingleShot(true);
    QObject::connect(&m_wheelStep, &QTimer::timeout, &m_wheelStep, [this] { wheelStepTick(); });
}

void GraphEdits::pressed(QPointF point, bool tookFocus, bool fine)
{
    m_drag.reset();
    if (const auto band = GraphGestures::HitTestBands(m_bands, m_graph.geometry(), point)) {
        m_editor.SelectBand(*band);
        m_drag.emplace(m_bands.current(), m_graph.geometry(), m_model.currentEqGroup(), point,
                       fine);
    }
    m_lastPress = point;
    // A click that brings the focus is meant for the arrow keys, not for an edit.
    if (!tookFocus) {
        StepTowardsClick();
    }
}

void GraphEdits::moved(QPointF point, bool fine)
{
    if (!m_drag) {
        return;
    }
    BandTable& bands = m_bands;
    const int band = bands.CurrentBand();
    const quint8 address = bands.current().Address;
    ParamModel& model = m_model;
    const int mode = model.currentMode();
    const GraphGestures::DraggedBand dragged = m_drag->moveTo(point, fine);
    const ParamStore::Fields stored = model.store().fields(mode, address);
    const quint8 storedQ = stored[fieldIndex(ParamField::Q)];
    if (dragged == GraphGestures::DraggedBand{stored[fieldIndex(ParamField::Value)],
                                              stored[fieldIndex(ParamField::Gain)]}) {
        return; // no undo point, no redraw, no frame
    }
    m_undo.NoteChange();
    // The band table first: the markers and read-outs that follow the store show both.
    bands.setCurrentField(ParamField::Value, dragged.frequencyIndex);
    bands.setCurrentField(ParamField::Gain, dragged.gainByte);
    model.setFields(mode, address, {dragged.frequencyIndex, dragged.gainByte, storedQ});
    // Sent once the events waiting have run: however fast the mouse, one send per turn.
    m_graph.setPendingSendBand(band);
    m_refresh(Refresh::Curve);
}

void GraphEdits::StepTowardsClick()
{
    const ArrowKey key =
        GraphGestures::StepTowardsClick(m_bands.current(), m_graph.geometry(), m_lastPress);
    if (key != ArrowKey::None) {
        keyDown(key);
    }
}

void GraphEdits::keyDown(ArrowKey key)
{
    m_undo.NoteChange();
    SkinnedSlider* gain = m_knobs.gain; // its value is the gain byte: 0 is +15 dB
    SkinnedSlider* frequency = m_knobs.frequency;
    // A cut has no gain to step: its gain knob is disabled.
    if (m_bands.current().Kind != BandKind::Peaking &&
        (key == ArrowKey::Up || key == ArrowKey::Down)) {
        key = ArrowKey::None;
    }
    switch (key) {
    case ArrowKey::Down:
        gain->setValue(gain->value() + 1); // held at the knob's maximum
        m_editor.knobChanged(ParamField::Gain);
        break;
    case ArrowKey::Up:
        if (gain->value() != 0) {
            gain->setValue(gain->value() - 1);
            m_editor.knobChanged(ParamField::Gain);
        }
        break;
    case ArrowKey::Right:
        frequency->setValue(frequency->value() + 1);
        m_editor.knobChanged(ParamField::Value);
        break;
    case ArrowKey::Left:
        if (frequency->value() != 0) {
            frequency->setValue(frequency->value() - 1);
            m_editor.knobChanged(ParamField::Value);
        }
        break;
    case ArrowKey::None:
        break;
    }
    // At a limit nothing is written; the read-outs show the store all the same.
    m_refresh(Refresh::BandReadouts);
}

void GraphEdits::stepQ(int steps)
{
    if (m_bands.current().Kind != BandKind::Peaking) {
        return; // a cut's Q knob is disabled
    }
    SkinnedSlider* q = m_knobs.q; // its value is the Q byte, one position a step
    const int position =
        std::clamp(SliderMapping::qToPosition(q->value()) + steps, 0, q->maxValue());
    const int byte = SliderMapping::positionToQ(position);
    if (byte != q->value()) {
        q->setValue(byte);
        m_editor.knobChanged(ParamField::Q);
    }
}

void GraphEdits::wheelTurned(int notches)
{
    m_pendingNotches += notches;
    m_wheelStep.start();
}

void GraphEdits::altWheelTurned(QPointF point, int notches)
{
    // Only over a marker: that band is selected and its Q stepped.
    const auto band = GraphGestures::HitTestBands(m_bands, m_graph.geometry(), point);
    if (!band) {
        return;
    }
    if (*band != m_bands.CurrentBand()) {
        m_pendingQNotches = 0;
        m_editor.SelectBand(*band);
    }
    m_pendingQNotches += notches;
    m_wheelStep.start();
}

void GraphEdits::wheelStepTick()
{
    m_wheelStep.stop();
    // Every notch is one step, also when several came within one tick.
    const int notches = m_pendingNotches;
    const int qNotches = m_pendingQNotches;
    m_pendingNotches = 0;
    m_pendingQNotches = 0;
    for (int i = 0; i < std::abs(notches); ++i) {
        keyDown(notches < 0 ? ArrowKey::Down : ArrowKey::Up);
    }
    if (qNotches != 0) {
        stepQ(qNotches);
    }
}

#include "ParameterEdits.h"

#include "ControlBindings.h"
#include "DeviceLink.h"
#include "EditSender.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "UserMessages.h"

#include <QApplication>
#include <QWidget>
#include <utility>

namespace {

// The six common levels are stored and shown but not sent on their own; the processor gets them
// with the whole uploads.
constexpr int FirstUnsentSlider = 19;
constexpr int LastUnsentSlider = 24;

} // namespace

ParameterEdits::ParameterEdits(ParamModel& model, const ControlBindings& bindings,
                               UndoHistory& undo, ControlsRefresh refresh, EditSender& sender,
                               DeviceLink& link, UserMessages& messages, QWidget& window,
                               Controls controls)
    : m_model(model)
    , m_bindings(bindings)
    , m_undo(undo)
    , m_refresh(std::move(refresh))
    , m_sender(sender)
    , m_link(link)
    , m_messages(messages)
    , m_window(window)
    , m_controls(controls)
{}

void ParameterEdits::attach()
{
    // Each connection lives as long as the control it comes from.
    const Controls& c = m_controls;
    for (int i = 0; i < MainWindowControls::SliderCount; ++i) {
        QObject::connect(c.sliders[i], &SkinnedSlider::Scroll, c.sliders[i],
                         [this, i] { sliderMoved(i); });
    }
    for (int i = 0; i < MainWindowControls::TwoWayButtonCount; ++i) {
        QObject::connect(c.twoWayButtons[i], &SimpControl::Click, c.twoWayButtons[i],
                         [this, i] { buttonClicked(i); });
    }
    QObject::connect(c.undoButton, &SimpControl::Click, c.undoButton, [this] { undo(); });
    QObject::connect(c.redoButton, &SimpControl::Click, c.redoButton, [this] { redo(); });
    QObject::connect(c.lockButton, &SimpControl::Click, c.lockButton, [this] { lockClicked(); });
}

void ParameterEdits::sliderMoved(int index)
{
    const auto& binding = m_bindings.sliders[index];
    if (!binding) {
        return;
    }
    SkinnedSlider* slider = m_controls.sliders[index];
    m_undo.NoteChange();
    const int mode = m_model.slotMode(binding->address);
    m_model.setValue(ParamField::Value, mode, binding->address, quint8(slider->value()));
    if (index >= FirstUnsentSlider && index <= LastUnsentSlider) {
        return;
    }
    m_sender.sendWhileDisabled(slider, mode, binding->address, slider->value());
}

void ParameterEdits::buttonClicked(int index)
{
    SimpControl* button = m_controls.twoWayButtons[index];
    const int address = m_bindings.buttons[index];
    const int mode = m_model.currentMode();
    m_model.setValue(ParamField::Value, mode, address, quint8(index % 2));
    m_sender.sendWhileDisabled(button, mode, address, Frames::StoredBytes);
}

void ParameterEdits::undo()
{
    restore(&UndoHistory::UndoStep, m_controls.undoButton);
}

void ParameterEdits::redo()
{
    restore(&UndoHistory::RedoStep, m_controls.redoButton);
}

QCoro::Task<> ParameterEdits::restore(HistoryStep step, SimpControl* button)
{
    UndoHistory& history = m_undo;
    if (!m_sender.online()) {
        if (std::optional<SnapshotRestore> restore = (history.*step)()) {
            restore->finish(); // the window follows the replaced store
        }
        co_return;
    }
    LinkSequence sequence(m_link);
    if (!sequence.isOpen()) {
        QApplication::beep();  // a transfer runs; the history stays where it is
        button->showRefusal(); // seen too, where a beep is not heard
        co_return;
    }
    std::optional<SnapshotRestore> restore = (history.*step)();
    if (!restore) {
        co_return;
    }
    m_window.setEnabled(false);
    // Each changed address goes out before the next is restored; a failed send leaves the rest.
    while (const auto changed = restore->next()) {
        const bool answered = co_await sequence.SendFrame(
            Frames::Type::ParamWrite, changed->mode, ParamAddress(changed->address),
            Frames::StoredBytes, ReplyTimeout::Normal);
        if (!answered) {
            break;
        }
    }
    m_window.setEnabled(true);
    // The bound controls have followed each address; the band list and curve are drawn from it.
    m_refresh(Refresh::BandList | Refresh::Curve);
}

QCoro::Task<> ParameterEdits::lockClicked()
{
    if (!m_sender.online()) {
        m_messages.showMessage(UserMessages::Icon::Exclamation, offlineMessage());
        co_return;
    }
    m_undo.SaveUndo();
    SimpControl* lock = m_controls.lockButton;
    const int previous = lock->value();
    const int value = 1 - previous;
    const int address = m_bindings.lock;
    m_model.setValue(ParamField::Value, 0, address, quint8(value));
    const bool sent = co_await m_sender.sendWithWindowDisabled(0, address, value);
    if (!sent) {
        // The processor kept its lock (the failure has been told); so does the program.
        m_model.setValue(ParamField::Value, 0, address, quint8(previous));
    }
}

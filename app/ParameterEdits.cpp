#include "ParameterEdits.h"

#include "ControlBindings.h"
#include "DeviceLink.h"
#include "EditSender.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "UserMessages.h"

#include <QApplication>

namespace {

// The six common levels are stored and shown but not sent on their own; the processor gets them
// with the whole uploads.
constexpr int FirstUnsentSlider = 19;
constexpr int LastUnsentSlider = 24;

} // namespace

ParameterEdits::ParameterEdits(MainWindowContext& context)
    : m_context(context)
{}

void ParameterEdits::attach()
{
    MainWindowControls& c = m_context.controls;
    QObject* owner = &m_context.window;
    for (int i = 0; i < MainWindowControls::SliderCount; ++i) {
        QObject::connect(c.sliders[i], &SkinnedSlider::Scroll, owner,
                         [this, i] { sliderMoved(i); });
    }
    for (int i = 0; i < MainWindowControls::TwoWayButtonCount; ++i) {
        QObject::connect(c.twoWayButtons[i], &SimpControl::Click, owner,
                         [this, i] { buttonClicked(i); });
    }
    QObject::connect(c.undoButton, &SimpControl::Click, owner, [this] { undo(); });
    QObject::connect(c.redoButton, &SimpControl::Click, owner, [this] { redo(); });
    QObject::connect(c.lockButton, &SimpControl::Click, owner, [this] { lockClicked(); });
}

void ParameterEdits::sliderMoved(int index)
{
    const auto& binding = m_context.bindings.sliders[index];
    if (!binding) {
        return;
    }
    SkinnedSlider* slider = m_context.controls.sliders[index];
    m_context.undo.NoteChange();
    const int mode = m_context.model.slotMode(binding->address);
    m_context.model.store().setValue(0, mode, binding->address, quint8(slider->value()));
    m_context.RefreshControls(RefreshFlags::Displays, binding->address);
    if (index >= FirstUnsentSlider && index <= LastUnsentSlider) {
        return;
    }
    m_context.sender.sendWhileDisabled(slider, mode, binding->address, slider->value());
}

void ParameterEdits::buttonClicked(int index)
{
    SimpControl* button = m_context.controls.twoWayButtons[index];
    const int address = m_context.bindings.buttons[index];
    const int mode = m_context.model.currentMode();
    m_context.model.store().setValue(0, mode, address, quint8(index % 2));
    m_context.RefreshControls(RefreshFlags::Buttons, RefreshFlags::AllAddresses);
    m_context.sender.sendWhileDisabled(button, mode, address, Frames::StoredBytes);
}

void ParameterEdits::undo()
{
    restore(&UndoHistory::UndoStep, m_context.controls.undoButton);
}

void ParameterEdits::redo()
{
    restore(&UndoHistory::RedoStep, m_context.controls.redoButton);
}

QCoro::Task<> ParameterEdits::restore(HistoryStep step, SimpControl* button)
{
    UndoHistory& history = m_context.undo;
    if (!m_context.online()) {
        if (std::optional<SnapshotRestore> restore = (history.*step)()) {
            restore->finish();
            m_context.RefreshControls(RefreshFlags::Everything, RefreshFlags::AllAddresses);
        }
        co_return;
    }
    LinkSequence sequence(m_context.link);
    if (!sequence.isOpen()) {
        QApplication::beep();  // a transfer runs; the history stays where it is
        button->showRefusal(); // seen too, where a beep is not heard
        co_return;
    }
    std::optional<SnapshotRestore> restore = (history.*step)();
    if (!restore) {
        co_return;
    }
    m_context.window.setEnabled(false);
    // Each changed address goes out before the next is restored; a failed send leaves the rest.
    while (const auto changed = restore->next()) {
        const bool answered =
            co_await sequence.SendFrame(Frames::ParamWrite, changed->mode, changed->address,
                                        Frames::StoredBytes, ReplyTimeout::Normal);
        if (!answered) {
            break;
        }
    }
    m_context.window.setEnabled(true);
    m_context.RefreshControls(RefreshFlags::Everything, RefreshFlags::AllAddresses);
}

QCoro::Task<> ParameterEdits::lockClicked()
{
    if (!m_context.online()) {
        m_context.messages.showMessage(UserMessages::Icon::Exclamation, OfflineMessage);
        co_return;
    }
    m_context.undo.SaveUndo();
    SimpControl* lock = m_context.controls.lockButton;
    const int previous = lock->value();
    const int value = 1 - previous;
    lock->setValue(value);
    const int address = m_context.bindings.lock;
    m_context.model.store().setValue(0, 0, address, quint8(value));
    const bool sent = co_await m_context.sender.sendWithWindowDisabled(0, address, value);
    if (!sent) {
        // The processor kept its lock (the failure has been told); so does the program.
        lock->setValue(previous);
        m_context.model.store().setValue(0, 0, address, quint8(previous));
    }
}

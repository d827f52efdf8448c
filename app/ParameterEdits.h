#pragma once

#include "MainWindowControls.h"
#include "RefreshFlags.h"
#include "UndoHistory.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QString>
#include <array>

class DeviceLink;
class EditSender;
class ParamModel;
class QWidget;
class SimpControl;
class SkinnedSlider;
class UserMessages;
struct ControlBindings;

// Edits of the bound controls and their history: the sliders and two-way buttons write the store,
// refresh what shows the same address and send the change; undo and redo restore a snapshot and
// send every address it changes; the lock switches the processor's panel lock.
class ParameterEdits
{
public:
    static QString offlineMessage()
    {
        return QCoreApplication::translate("ParameterEdits",
                                           "Please get your device online first. ");
    }

    // The bound sliders and two-way buttons, undo, redo and the lock.
    struct Controls
    {
        std::array<SkinnedSlider*, MainWindowControls::SliderCount> sliders;
        std::array<SimpControl*, MainWindowControls::TwoWayButtonCount> twoWayButtons;
        SimpControl* undoButton;
        SimpControl* redoButton;
        SimpControl* lockButton;

        static Controls of(const MainWindowControls& c)
        {
            return {c.sliders, c.twoWayButtons, c.undoButton, c.redoButton, c.lockButton};
        }
    };

    ParameterEdits(ParamModel& model, const ControlBindings& bindings, UndoHistory& undo,
                   ControlsRefresh refresh, EditSender& sender, DeviceLink& link,
                   UserMessages& messages, QWidget& window, Controls controls);

    void attach();

    void sliderMoved(int index);
    void buttonClicked(int index);
    void undo();
    void redo();
    QCoro::Task<> lockClicked();

private:
    using HistoryStep = std::optional<SnapshotRestore> (UndoHistory::*)();
    // The button shows a refusal when a transfer keeps the step from running.
    QCoro::Task<> restore(HistoryStep step, SimpControl* button);

    ParamModel& m_model;
    const ControlBindings& m_bindings;
    UndoHistory& m_undo;
    ControlsRefresh m_refresh;
    EditSender& m_sender;
    DeviceLink& m_link;
    UserMessages& m_messages;
    QWidget& m_window;
    Controls m_controls;
};

#pragma once

#include "UndoHistory.h"

#include <QCoro/QCoroTask>
#include <QString>

class SimpControl;

struct MainWindowContext;

// Edits of the bound controls and their history: the sliders and two-way buttons write the store,
// refresh what shows the same address and send the change; undo and redo restore a snapshot and
// send every address it changes; the lock switches the processor's panel lock.
class ParameterEdits
{
public:
    static inline const QString OfflineMessage =
        QStringLiteral("Please get your device online first. ");

    explicit ParameterEdits(MainWindowContext& context);

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

    MainWindowContext& m_context;
};

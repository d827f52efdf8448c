#pragma once

// What the window does around a whole-store transfer: it is disabled while the transfer runs,
// shows the progress bar, and refreshes every control and restarts its undo history after a
// synchronisation. The command-line tool and tests supply their own.
class BulkTransferUi
{
public:
    virtual ~BulkTransferUi() = default;

    virtual void setWindowEnabled(bool enabled) = 0;
    // Bar maximum, value 0, bar shown; the window then follows the link's progress counter.
    virtual void showProgress(int maxValue) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void hideProgress() = 0;
    virtual void refreshAllControls() = 0;
    virtual void restartUndoHistory() = 0;
};

#pragma once

#include "ParamStore.h"
#include "SnapshotRestore.h"

#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

class ParamModel;

// Up to thirty snapshots of the whole store, for undo and redo. A slider drag or a run of knob
// steps costs one snapshot (an edit burst ends after a quiet second); a step hands back the
// restore of its snapshot, which writes back only the addresses that differ, one at a time, so
// that the caller sends each (mode by mode, addresses ascending) and stops where a send fails.
// Knows nothing of the link.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int SlotCount = 30;
    static constexpr int BurstQuietMs = 1000;

    explicit UndoHistory(ParamModel& model, int burstQuietMs = BurstQuietMs,
                         QObject* parent = nullptr);

    // The quiet time that ends an edit burst.
    void setBurstQuietMs(int ms) { m_moveTimeout.setInterval(ms); }

    void UndoRedoInit();
    // An undo point for a one-off action (bypass, reset, lock, ...).
    void SaveUndo();
    // An undo point for the first edit of a burst; later edits of the burst only extend it.
    void NoteChange();
    // Nothing when there is nothing to undo or redo. Otherwise the history has moved to the
    // state the restore brings back; the window refreshes every control once it has run.
    std::optional<SnapshotRestore> UndoStep();
    std::optional<SnapshotRestore> RedoStep();

    int UndoPos() const { return m_undoPos; }
    int UndoTop() const { return m_undoTop; }
    bool isEditPending() const { return m_editPending; }

private:
    void saveSnapshot(bool endsRedoBranch);
    void endBurst();
    SnapshotRestore RestoreSnapshot(int slot);

    ParamModel& m_model;
    std::vector<ParamStore::Bytes> m_slots;
    int m_undoPos = -1;
    int m_undoTop = -1;
    bool m_editPending = false;
    QTimer m_moveTimeout; // tmrMoveTimeout: ends an edit burst
};

#pragma once

#include "ParamStore.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class ParamModel;

// Up to thirty snapshots of the whole store, for undo and redo. A slider drag or a run of knob
// steps costs one snapshot (an edit burst ends after a quiet second); a restore writes back only
// the addresses that differ and hands each to the caller to send, mode by mode, addresses
// ascending. Knows nothing of the link: the window supplies the sending.
class UndoHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int SlotCount = 30;
    static constexpr int BurstQuietMs = 1000;

    // Sends the three stored bytes of an address in a mode; false stops the restore there.
    using SendAddress = std::function<bool(int mode, int address)>;

    explicit UndoHistory(ParamModel& model, int burstQuietMs = BurstQuietMs,
                         QObject* parent = nullptr);

    // The quiet time that ends an edit burst.
    void setBurstQuietMs(int ms) { m_moveTimeout.setInterval(ms); }

    void UndoRedoInit();
    // An undo point for a one-off action (bypass, reset, lock, ...).
    void SaveUndo();
    // An undo point for the first edit of a burst; later edits of the burst only extend it.
    void NoteChange();
    // Both return whether anything was restored (the window then refreshes every control).
    bool UndoStep(const SendAddress& send);
    bool RedoStep(const SendAddress& send);

    int UndoPos() const { return m_undoPos; }
    int UndoTop() const { return m_undoTop; }
    bool isEditPending() const { return m_editPending; }

private:
    void saveSnapshot(bool endsRedoBranch);
    void endBurst();
    void RestoreSnapshot(int slot, const SendAddress& send);

    ParamModel& m_model;
    std::vector<ParamStore::Bytes> m_slots;
    int m_undoPos = -1;
    int m_undoTop = -1;
    bool m_editPending = false;
    QTimer m_moveTimeout; // tmrMoveTimeout: ends an edit burst
};

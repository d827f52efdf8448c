#include "UndoHistory.h"

#include "ParamModel.h"

UndoHistory::UndoHistory(ParamModel& model, int burstQuietMs, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_slots(SlotCount)
{
    m_moveTimeout.setInterval(burstQuietMs);
    connect(&m_moveTimeout, &QTimer::timeout, this, [this] { m_editPending = false; });
}

void UndoHistory::UndoRedoInit()
{
    m_undoPos = -1;
    m_undoTop = -1;
    endBurst();
}

void UndoHistory::SaveUndo()
{
    saveSnapshot(true);
}

void UndoHistory::NoteChange()
{
    if (!m_editPending) {
        m_editPending = true;
        SaveUndo();
    }
    m_moveTimeout.start();
}

void UndoHistory::saveSnapshot(bool endsRedoBranch)
{
    if (m_undoPos >= SlotCount - 1) {
        std::move(m_slots.begin() + 1, m_slots.end(), m_slots.begin());
        m_undoPos = SlotCount - 1;
    } else {
        ++m_undoPos;
    }
    m_slots[m_undoPos] = m_model.store().bytes();
    // A new edit after an undo abandons the states that could have been redone; redoing one of
    // them would silently throw the new edit away.
    m_undoTop = endsRedoBranch ? m_undoPos : std::max(m_undoTop, m_undoPos);
}

void UndoHistory::endBurst()
{
    m_editPending = false;
    m_moveTimeout.stop();
}

std::optional<SnapshotRestore> UndoHistory::UndoStep()
{
    endBurst();
    if (m_undoPos == -1) {
        return std::nullopt;
    }
    // The present state becomes the next slot, so that it can be redone.
    saveSnapshot(false);
    --m_undoPos;
    SnapshotRestore restore = RestoreSnapshot(m_undoPos);
    --m_undoPos;
    return restore;
}

std::optional<SnapshotRestore> UndoHistory::RedoStep()
{
    endBurst();
    if (m_undoTop == -1 || m_undoPos + 2 > m_undoTop) {
        return std::nullopt;
    }
    SnapshotRestore restore = RestoreSnapshot(m_undoPos + 2);
    ++m_undoPos;
    return restore;
}

SnapshotRestore UndoHistory::RestoreSnapshot(int slot)
{
    return SnapshotRestore(m_model, m_slots[slot]);
}

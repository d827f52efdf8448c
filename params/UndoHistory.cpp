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

bool UndoHistory::UndoStep(const SendAddress& send)
{
    endBurst();
    if (m_undoPos == -1) {
        return false;
    }
    // The present state becomes the next slot, so that it can be redone.
    saveSnapshot(false);
    --m_undoPos;
    RestoreSnapshot(m_undoPos, send);
    --m_undoPos;
    return true;
}

bool UndoHistory::RedoStep(const SendAddress& send)
{
    endBurst();
    if (m_undoTop == -1 || m_undoPos + 2 > m_undoTop) {
        return false;
    }
    RestoreSnapshot(m_undoPos + 2, send);
    ++m_undoPos;
    return true;
}

void UndoHistory::RestoreSnapshot(int slot, const SendAddress& send)
{
    ParamStore& store = m_model.store();
    const ParamStore::Bytes& snapshot = m_slots[slot];
    for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
        for (int address = 0; address < ParamStore::AddressCount; ++address) {
            const int at = ParamStore::offset(0, mode, address);
            const ParamStore::Fields wanted{snapshot[at], snapshot[at + 1], snapshot[at + 2]};
            if (store.fields(mode, address) == wanted) {
                continue;
            }
            store.setFields(mode, address, wanted);
            if (send && !send(mode, address)) {
                return;
            }
        }
    }
}

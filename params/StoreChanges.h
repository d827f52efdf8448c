#pragma once

#include <QObject>

// What a model tells whoever shows its store: one address of one mode slot was written, or the
// store was replaced as a whole (a factory reset, a synchronisation, an import, a merge after
// reconnection, an undo restored without sending, a room-EQ fit's bands), told once rather than
// address by address. Every write through the model is told, even one that leaves the bytes as
// they were, so that a control that changed its own look when clicked is set back to what is
// stored.
class StoreChanges : public QObject
{
    Q_OBJECT

Q_SIGNALS:
    void changed(int mode, int address);
    void replaced();
};

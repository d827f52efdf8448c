#pragma once

#include "ParamStore.h"

#include <optional>

class ParamModel;

// Brings the store back to a snapshot one changed address at a time, mode by mode and addresses
// ascending, so that the caller can send each address before the next is written. A restore
// stopped part-way (a send failed) leaves the rest of the store as it was. Each address written
// is told as the model tells a write; what finish writes, as one replaced store.
class SnapshotRestore
{
public:
    struct Address
    {
        int mode;
        int address;
    };

    SnapshotRestore(ParamModel& model, const ParamStore::Bytes& snapshot);

    // Writes the next address whose three bytes differ from the snapshot and names it; nothing
    // once the store holds the snapshot.
    std::optional<Address> next();
    // Writes everything left (a restore with nothing to send).
    void finish();

private:
    ParamStore::Fields wanted(int position) const;

    ParamModel& m_model;
    ParamStore::Bytes m_snapshot;
    int m_position = 0; // the next (mode, address) to compare, mode-major
};

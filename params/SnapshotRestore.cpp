#include "SnapshotRestore.h"

SnapshotRestore::SnapshotRestore(ParamStore& store, const ParamStore::Bytes& snapshot)
    : m_store(store)
    , m_snapshot(snapshot)
{}

std::optional<SnapshotRestore::Address> SnapshotRestore::next()
{
    constexpr int End = ParamStore::ModeCount * ParamStore::AddressCount;
    while (m_position < End) {
        const int mode = m_position / ParamStore::AddressCount;
        const int address = m_position % ParamStore::AddressCount;
        ++m_position;
        const int at = ParamStore::offset(0, mode, address);
        const ParamStore::Fields wanted{m_snapshot[at], m_snapshot[at + 1], m_snapshot[at + 2]};
        if (m_store.fields(mode, address) != wanted) {
            m_store.setFields(mode, address, wanted);
            return Address{mode, address};
        }
    }
    return std::nullopt;
}

void SnapshotRestore::finish()
{
    while (next()) {
    }
}

#include "SnapshotRestore.h"

#include "ParamModel.h"

namespace {

constexpr int End = ParamStore::ModeCount * ParamStore::AddressCount;

// Positions run mode-major: the addresses of mode 0, then of mode 1, ...
int modeAt(int position)
{
    return position / ParamStore::AddressCount;
}

int addressAt(int position)
{
    return position % ParamStore::AddressCount;
}

} // namespace

SnapshotRestore::SnapshotRestore(ParamModel& model, const ParamStore::Bytes& snapshot)
    : m_model(model)
    , m_snapshot(snapshot)
{}

std::optional<SnapshotRestore::Address> SnapshotRestore::next()
{
    while (m_position < End) {
        const int mode = modeAt(m_position);
        const int address = addressAt(m_position);
        const ParamStore::Fields fields = wanted(m_position++);
        if (m_model.store().fields(mode, address) != fields) {
            m_model.setFields(mode, address, fields);
            return Address{mode, address};
        }
    }
    return std::nullopt;
}

void SnapshotRestore::finish()
{
    // The addresses before the position hold the snapshot already.
    ParamStore restored = m_model.store();
    for (; m_position < End; ++m_position) {
        restored.setFields(modeAt(m_position), addressAt(m_position), wanted(m_position));
    }
    m_model.setStore(restored);
}

ParamStore::Fields SnapshotRestore::wanted(int position) const
{
    const int at = ParamStore::offset(ParamField::Value, modeAt(position), addressAt(position));
    return {m_snapshot[at], m_snapshot[at + 1], m_snapshot[at + 2]};
}

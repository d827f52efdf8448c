#pragma once

#include "ParamField.h"

#include <QtGlobal>
#include <array>

// The program's mirror of the processor's parameter bytes: the three fields (ParamField) for
// each of eight modes and 256 addresses; common parameters live in the mode-0 slot.
//
// The flat layout puts the three fields of one address in one mode side by side and the eight
// modes of one address after each other; undo snapshots and bulk copies rely on it.
class ParamStore
{
public:
    static constexpr int FieldCount = int(AllParamFields.size());
    static constexpr int ModeCount = 8;
    static constexpr int AddressCount = 256;
    static constexpr int ByteCount = FieldCount * ModeCount * AddressCount;

    using Bytes = std::array<quint8, ByteCount>;
    // The fields of one address in store order; fieldIndex gives a field's place.
    using Fields = std::array<quint8, FieldCount>;

    static constexpr int offset(ParamField field, int mode, int address)
    {
        return (mode + address * ModeCount) * FieldCount + fieldIndex(field);
    }

    quint8 value(ParamField field, int mode, int address) const
    {
        return m_bytes[checked(field, mode, address)];
    }
    void setValue(ParamField field, int mode, int address, quint8 value)
    {
        m_bytes[checked(field, mode, address)] = value;
    }
    // The entry itself, for the few conversions that correct a stored byte while reading it.
    quint8& entry(ParamField field, int mode, int address)
    {
        return m_bytes[checked(field, mode, address)];
    }

    Fields fields(int mode, int address) const;
    void setFields(int mode, int address, const Fields& fields);

    const Bytes& bytes() const { return m_bytes; }
    void setBytes(const Bytes& bytes) { m_bytes = bytes; }

    friend bool operator==(const ParamStore&, const ParamStore&) = default;

private:
    static int checked(ParamField field, int mode, int address);

    Bytes m_bytes{};
};

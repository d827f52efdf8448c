#include "ParamStore.h"

#include <QtDebug>

int ParamStore::checked(ParamField field, int mode, int address)
{
    const int index = fieldIndex(field);
    // Every index comes from the constant tables or a validated binding; one outside the store
    // is a programming fault, and writing past the array would corrupt whatever lies behind it.
    if (index < 0 || index >= FieldCount || mode < 0 || mode >= ModeCount || address < 0 ||
        address >= AddressCount) {
        qFatal("ParamStore index out of range: field %d, mode %d, address %d", index, mode,
               address);
    }
    return offset(field, mode, address);
}

ParamStore::Fields ParamStore::fields(int mode, int address) const
{
    const int at = checked(ParamField::Value, mode, address);
    return {m_bytes[at], m_bytes[at + 1], m_bytes[at + 2]};
}

void ParamStore::setFields(int mode, int address, const Fields& fields)
{
    const int at = checked(ParamField::Value, mode, address);
    m_bytes[at] = fields[0];
    m_bytes[at + 1] = fields[1];
    m_bytes[at + 2] = fields[2];
}

#include "ParamModel.h"

#include "EqGroupTable.h"
#include "FactoryDefaults.h"
#include "ParamTable.h"

void ParamModel::setCurrentMode(int mode)
{
    Q_ASSERT(mode >= 0 && mode < ParamStore::ModeCount);
    m_currentMode = qBound(0, mode, ParamStore::ModeCount - 1);
}

void ParamModel::setCurrentEqGroup(int group)
{
    Q_ASSERT(group >= 0 && group < EqGroupTable::GroupCount);
    m_currentEqGroup = qBound(0, group, EqGroupTable::GroupCount - 1);
}

int ParamModel::slotMode(int address, int mode)
{
    return isCommonAddress(address) ? 0 : mode;
}

void ParamModel::setValue(ParamField field, int mode, int address, quint8 value)
{
    m_store.setValue(field, mode, address, value);
    Q_EMIT m_changes.notifier->changed(mode, address);
}

void ParamModel::setFields(int mode, int address, const ParamStore::Fields& fields)
{
    m_store.setFields(mode, address, fields);
    Q_EMIT m_changes.notifier->changed(mode, address);
}

void ParamModel::setStore(const ParamStore& store)
{
    m_store = store;
    Q_EMIT m_changes.notifier->replaced();
}

void ParamModel::InitDefaults(int scope)
{
    if (scope == FactoryReset) {
        for (const auto& [address, value] : FactoryDefaults::Common) {
            m_store.setValue(ParamField::Value, 0, address, value);
        }
        for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
            for (const auto& [address, value] : FactoryDefaults::PerMode) {
                m_store.setValue(ParamField::Value, mode, address, value);
            }
            for (int group = 0; group < EqGroupTable::GroupCount; ++group) {
                writeEqDefaults(group, mode);
            }
        }
        Q_EMIT m_changes.notifier->replaced();
    } else if (scope == EqGroupReset) {
        for (int address : writeEqDefaults(m_currentEqGroup, m_currentMode)) {
            Q_EMIT m_changes.notifier->changed(m_currentMode, address);
        }
        return;
    }
    // Entry 255 is not a menu entry and keeps whatever the processor reported.
    std::fill(m_menuShow.begin(), m_menuShow.end() - 1, quint8(0));
}

QList<int> ParamModel::writeEqDefaults(int group, int mode)
{
    QList<int> addresses = EqGroupTable::instance().group(group).resetAddresses();
    for (int address : addresses) {
        const ParamInfo& info = *findParam(address);
        if (info.kind == ParamKind::Band) {
            m_store.setFields(mode, address, {*info.factory, BandGain, BandQ});
        } else {
            m_store.setValue(ParamField::Value, mode, address, *info.factory);
        }
    }
    return addresses;
}

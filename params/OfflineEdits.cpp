#include "OfflineEdits.h"

void OfflineEdits::begin(const ParamStore& store)
{
    if (!m_baseline) {
        m_baseline = store;
    }
}

void OfflineEdits::markUnconfirmed(const SettingKey& key)
{
    if (!m_unconfirmed.contains(key)) {
        m_unconfirmed.append(key);
    }
}

void OfflineEdits::clear()
{
    m_baseline.reset();
    m_unconfirmed.clear();
}

QList<SettingKey> OfflineEdits::edited(const ParamStore& store) const
{
    QList<SettingKey> keys;
    if (!m_baseline) {
        return keys;
    }
    for (const SettingKey& key : SettingDifferences::allSettings()) {
        if (m_unconfirmed.contains(key) ||
            !SettingDifferences::sameValue(store, *m_baseline, key)) {
            keys.append(key);
        }
    }
    return keys;
}

ParamStore OfflineEdits::merged(const ParamStore& processor, const ParamStore& mine,
                                const QList<SettingKey>& edited)
{
    ParamStore result = processor;
    for (const SettingKey& key : edited) {
        result.setFields(key.mode, key.address, mine.fields(key.mode, key.address));
    }
    return result;
}

#pragma once

#include "SettingDifferences.h"

#include <optional>

// Which settings the window changed while no processor answered. When the link goes down (or
// before any processor has answered) the store is taken as what the processor holds; what differs
// from that when a processor answers again was edited offline, by value: a setting changed and
// changed back is no edit. A write that was under way as the link went down may not have
// reached the processor either, so its setting counts too.
class OfflineEdits
{
public:
    // No processor answers from now on; store: the program's copy at that moment.
    void begin(const ParamStore& store);
    // The setting of a write the processor did not confirm before the link went down.
    void markUnconfirmed(const SettingKey& key);
    // A processor answers and its settings are taken: nothing is edited offline any more.
    void clear();

    bool isTracking() const { return m_baseline.has_value(); }
    // The settings of store changed since begin(), in the order of all settings.
    QList<SettingKey> edited(const ParamStore& store) const;
    // The processor's memory with the edited settings of mine over it: what sending mine writes
    // without undoing what others set on the processor meanwhile.
    static ParamStore merged(const ParamStore& processor, const ParamStore& mine,
                             const QList<SettingKey>& edited);

private:
    std::optional<ParamStore> m_baseline;
    QList<SettingKey> m_unconfirmed;
};

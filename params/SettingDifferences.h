#pragma once

#include "ParamStore.h"

#include <QList>
#include <QString>

// One setting of the processor: an address in the slot that holds it (mode 0 for a common one).
struct SettingKey
{
    int mode;
    int address;

    bool operator==(const SettingKey&) const = default;
};

// A setting whose value differs between two copies of the processor's memory.
struct SettingDifference
{
    SettingKey key;
    ParamStore::Fields held;   // what the processor holds
    ParamStore::Fields wanted; // what was sent to it, or what the preset or the window has

    // The program's name of the address, or its English gloss where it has none.
    QString name() const;
    // The values compared, as numbers separated by spaces: the value, and the gain and Q bytes of
    // a band or cut.
    QString heldText() const;
    QString wantedText() const;
};

// Compares settings by value: the value field of every address the processor exchanges, and
// the gain and Q fields where an address uses them (EQ bands and cuts). The other bytes of the
// store mean nothing to the processor and are not compared.
namespace SettingDifferences {

// Every setting in the processor's four blocks, common block first, then mode by mode.
const QList<SettingKey>& allSettings();
// The settings among keys (all of them by default) whose values differ, in the order of keys.
QList<SettingDifference> between(const ParamStore& held, const ParamStore& wanted);
QList<SettingDifference> between(const ParamStore& held, const ParamStore& wanted,
                                 const QList<SettingKey>& keys);
bool sameValue(const ParamStore& a, const ParamStore& b, const SettingKey& key);

} // namespace SettingDifferences

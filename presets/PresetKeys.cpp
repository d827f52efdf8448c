#include "PresetKeys.h"

#include "EqGroupTable.h"
#include "FactoryDefaults.h"

#include <vector>

namespace {

std::vector<PresetKey> buildKeyList()
{
    const EqGroupTable& groups = EqGroupTable::instance();
    std::vector<PresetKey> keys;
    for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
        for (int g = 0; g < EqGroupTable::GroupCount; ++g) {
            const EqGroup& group = groups.group(g);
            // The table's band count: the bass group's three band addresses are not in presets.
            for (int band = 0; band < group.bandCount; ++band) {
                for (ParamField field : AllParamFields) {
                    keys.push_back(PresetKeys::band(mode, group.firstBand + band, field));
                }
            }
            if (group.hasHighCut()) {
                keys.push_back(PresetKeys::perMode(mode, group.highCut));
            }
            if (group.hasLowCut()) {
                keys.push_back(PresetKeys::perMode(mode, group.lowCut));
            }
        }
        for (const auto& entry : FactoryDefaults::PerMode) {
            keys.push_back(PresetKeys::perMode(mode, entry.address));
        }
    }
    for (const auto& entry : FactoryDefaults::Common) {
        keys.push_back(PresetKeys::common(entry.address));
    }
    for (int address = 0; address < PresetKeys::MenuShowEntries; ++address) {
        keys.push_back(PresetKeys::menuShow(address));
    }
    return keys;
}

QByteArray groupPrefix(int mode, int address)
{
    return "GROUP" + QByteArray::number(mode) + ".ADDR" + QByteArray::number(address);
}

} // namespace

quint8 PresetKey::valueIn(const ParamModel& model) const
{
    switch (target) {
    case Target::Store:
        return model.store().value(field, mode, index);
    case Target::MenuShow:
        return model.menuShow().at(index);
    case Target::Password:
        break;
    }
    return model.password().at(index);
}

quint8& PresetKey::slotIn(ParamModel& model) const
{
    switch (target) {
    case Target::Store:
        return model.store().entry(field, mode, index);
    case Target::MenuShow:
        return model.menuShow().at(index);
    case Target::Password:
        break;
    }
    return model.password().at(index);
}

std::span<const PresetKey> PresetKeys::all()
{
    static const std::vector<PresetKey> keys = buildKeyList();
    return keys;
}

PresetKey PresetKeys::band(int mode, int address, ParamField field)
{
    return {groupPrefix(mode, address) + ".DATA" + QByteArray::number(fieldIndex(field) + 1),
            PresetKey::Target::Store, field, mode, address};
}

PresetKey PresetKeys::perMode(int mode, int address)
{
    return {groupPrefix(mode, address), PresetKey::Target::Store, ParamField::Value, mode, address};
}

PresetKey PresetKeys::common(int address)
{
    return {"COMMON.ADDR" + QByteArray::number(address), PresetKey::Target::Store,
            ParamField::Value, 0, address};
}

PresetKey PresetKeys::menuShow(int address)
{
    return {"MENUSHOW.ADDR" + QByteArray::number(address), PresetKey::Target::MenuShow,
            ParamField::Value, 0, address};
}

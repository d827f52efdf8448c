#include "SettingDifferences.h"

#include "EqGroupTable.h"
#include "ParamTable.h"

namespace {

bool usesField(int address, ParamField field)
{
    return field == ParamField::Value || EqGroupTable::instance().usesThreeFields(address);
}

QString fieldsText(int address, const ParamStore::Fields& fields)
{
    QStringList numbers;
    for (ParamField field : AllParamFields) {
        if (usesField(address, field)) {
            numbers.append(QString::number(fields[fieldIndex(field)]));
        }
    }
    return numbers.join(u' ');
}

} // namespace

QString SettingDifference::name() const
{
    const ParamInfo* info = findParam(key.address);
    if (!info) {
        return {};
    }
    return *info->name == 0 ? QLatin1String(info->gloss) : shownName(*info);
}

QString SettingDifference::heldText() const
{
    return fieldsText(key.address, held);
}

QString SettingDifference::wantedText() const
{
    return fieldsText(key.address, wanted);
}

namespace SettingDifferences {

const QList<SettingKey>& allSettings()
{
    static const QList<SettingKey> keys = [] {
        QList<SettingKey> all;
        for (int a = CommonBlock.base; a <= CommonBlock.last(); ++a) {
            all.append({0, a});
        }
        for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
            for (const ParamBlock& block : PerModeBlocks) {
                for (int a = block.base; a <= block.last(); ++a) {
                    all.append({mode, a});
                }
            }
        }
        return all;
    }();
    return keys;
}

bool sameValue(const ParamStore& a, const ParamStore& b, const SettingKey& key)
{
    for (ParamField field : AllParamFields) {
        if (usesField(key.address, field) &&
            a.value(field, key.mode, key.address) != b.value(field, key.mode, key.address)) {
            return false;
        }
    }
    return true;
}

QList<SettingDifference> between(const ParamStore& held, const ParamStore& wanted,
                                 const QList<SettingKey>& keys)
{
    QList<SettingDifference> differences;
    for (const SettingKey& key : keys) {
        if (!sameValue(held, wanted, key)) {
            differences.append(
                {key, held.fields(key.mode, key.address), wanted.fields(key.mode, key.address)});
        }
    }
    return differences;
}

QList<SettingDifference> between(const ParamStore& held, const ParamStore& wanted)
{
    return between(held, wanted, allSettings());
}

} // namespace SettingDifferences

#include "PresetCodec.h"

#include "NumberLiteral.h"

#include <QString>

void PresetCodec::write(IniFile& file, QByteArrayView section, std::span<const PresetKey> keys,
                        const ParamModel& model)
{
    for (const PresetKey& key : keys) {
        file.setValue(section, key.name, QByteArray::number(key.valueIn(model)));
    }
}

bool PresetCodec::read(const IniFile& file, QByteArrayView section, std::span<const PresetKey> keys,
                       ValueRule rule, ParamModel& model, QByteArray* badKey)
{
    for (const PresetKey& key : keys) {
        const std::optional<QByteArray> text = file.value(section, key.name);
        const std::optional<quint8> value = text ? parseByte(*text, rule) : std::nullopt;
        if (!value) {
            if (badKey) {
                *badKey = key.name;
            }
            return false;
        }
        key.slotIn(model) = *value;
    }
    return true;
}

std::optional<quint8> PresetCodec::parseByte(QByteArrayView text, ValueRule rule)
{
    for (char c : text) {
        if (uchar(c) > 0x7F) {
            return std::nullopt;
        }
    }
    const std::optional<qint64> number = parseNumberLiteral(QString::fromLatin1(text));
    if (!number || *number < 0 || *number > 255) {
        return std::nullopt;
    }
    if (rule == ValueRule::Preset && (*number == 0xFD || *number == 0xFF)) {
        return std::nullopt;
    }
    return quint8(*number);
}

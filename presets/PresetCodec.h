#pragma once

#include "IniFile.h"
#include "PresetKeys.h"

#include <optional>
#include <span>

// Moves parameter bytes between a model and the keys of one INI section.
class PresetCodec
{
public:
    enum class ValueRule
    {
        // The receiver takes 0xFD and 0xFF out of every reply, so a parameter stored as 253 or
        // 255 could never be read back from the processor: presets refuse them.
        Preset,
        AnyByte, // 0..255: the simulator's own memory, which holds whatever it was sent
    };

    static void write(IniFile& file, QByteArrayView section, std::span<const PresetKey> keys,
                      const ParamModel& model);

    // Reads every key into the model; stops at the first key that is missing, empty or not a
    // number the rule allows, names it in badKey and returns false (the model is then partly
    // written: callers read into a scratch copy).
    static bool read(const IniFile& file, QByteArrayView section, std::span<const PresetKey> keys,
                     ValueRule rule, ParamModel& model, QByteArray* badKey = nullptr);

    // A value as a byte: ASCII, one number literal (decimal as written; "&H" or "0x" hex as a
    // person may type), within the rule.
    static std::optional<quint8> parseByte(QByteArrayView text, ValueRule rule);
};

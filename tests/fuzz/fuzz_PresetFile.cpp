// The preset reader and codec on any bytes a file may hold: the INI reader gives back every byte
// it read, a written key reads back as written, and a file whose keys all read is written and
// read again to the same parameters.
#include "FuzzCheck.h"
#include "ImportPreset.h"
#include "IniFile.h"
#include "PresetCodec.h"
#include "PresetKeys.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniFile ini(bytes);
    FUZZ_CHECK(ini.toBytes() == bytes);

    ParamModel model;
    model.InitDefaults(ParamModel::FactoryReset);
    if (readPresetKeys(ini, model).isEmpty()) {
        IniFile written;
        PresetCodec::write(written, PresetKeys::Section, PresetKeys::all(), model);
        ParamModel again;
        again.InitDefaults(ParamModel::FactoryReset);
        FUZZ_CHECK(PresetCodec::read(IniFile(written.toBytes()), PresetKeys::Section,
                                     PresetKeys::all(), PresetCodec::ValueRule::Preset, again));
        FUZZ_CHECK(again.store() == model.store() && again.menuShow() == model.menuShow());
    }

    // Writing into whatever the file holds: the key reads back, the rest of the file stays.
    ini.setValue(PresetKeys::Section, PresetKeys::TypeKey, PresetKeys::TypeTag);
    const IniFile reread(ini.toBytes());
    FUZZ_CHECK(reread.value(PresetKeys::Section, PresetKeys::TypeKey) ==
               PresetKeys::TypeTag.toByteArray());
    return 0;
}

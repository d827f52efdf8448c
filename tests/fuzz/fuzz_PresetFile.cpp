// The preset reader and codec on any bytes a file may hold: the INI reader gives back every byte
// it read, a written key reads back as written, a file whose keys all read is written and read
// again to the same parameters, and a preset saved into a file holding those bytes imports as
// one saved into a new file.
#include "FuzzCheck.h"
#include "ImportPreset.h"
#include "IniFile.h"
#include "PresetCodec.h"
#include "PresetKeys.h"
#include "SavePreset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

class Quiet : public UserMessages
{
public:
    void showMessage(Icon, const QString&, Dismissed) override {}
};

// A preset of many values saved into a file that already holds bytes (or an empty one), and
// imported back.
ParamModel savedAndImported(const QString& path, const QByteArray* existing)
{
    ParamModel model;
    ParamStore::Bytes values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = quint8(i % 251);
    }
    model.store().setBytes(values);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(existing ? *existing : "") >= 0);
    file.close();
    Quiet quiet;
    FUZZ_CHECK(SavePreset(path, model, quiet) == std::optional<QString>(path));
    ParamModel imported;
    FUZZ_CHECK(ImportPreset(path, imported, quiet).result == ImportResult::Imported);
    return imported;
}

} // namespace

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

    // Saving into an existing file whatever it holds (within a preset's size). A save and an
    // import cost a hundred times the checks above, so one input in sixteen, chosen by its
    // bytes so that a crash replays, takes this path.
    if (bytes.size() <= 64 * 1024 && qHash(bytes) % 16 == 0) {
        // In memory where the system has it: syncing a file to a disk costs a thousand runs.
        static const QTemporaryDir folder(QDir("/dev/shm").exists()
                                              ? QStringLiteral("/dev/shm/fuzz_PresetFile-XXXXXX")
                                              : QString());
        static const ParamModel fresh = savedAndImported(folder.filePath("fresh.PA"), nullptr);
        const ParamModel merged = savedAndImported(folder.filePath("merged.PA"), &bytes);
        FUZZ_CHECK(merged.store() == fresh.store() && merged.menuShow() == fresh.menuShow());
    }
    return 0;
}

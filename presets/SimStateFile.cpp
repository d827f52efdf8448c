#include "SimStateFile.h"

#include "EqGroupTable.h"
#include "FileName.h"
#include "IniFile.h"
#include "ParamTable.h"
#include "PresetCodec.h"
#include "PresetFile.h"
#include "RegularFile.h"

#include <vector>

namespace {

constexpr int BassGroup = 6;

std::vector<PresetKey> simulatorKeys()
{
    constexpr int PasswordKeys = int(std::tuple_size_v<ParamModel::DevicePassword>);
    const EqGroup& bass = EqGroupTable::instance().group(BassGroup);
    std::vector<PresetKey> keys;
    // At most the password, every common parameter, the bass bands and the menu-show flags.
    const std::size_t bandKeys = std::size_t(ParamStore::ModeCount) *
                                 std::size_t(bass.storedBandCount) * ParamStore::FieldCount;
    keys.reserve(PasswordKeys + std::size(ParamTable) + bandKeys + 1);
    for (int i = 0; i < PasswordKeys; ++i) {
        keys.push_back({"PASSWORD" + QByteArray::number(i + 1), PresetKey::Target::Password,
                        ParamField::Value, 0, i});
    }
    // The common parameters only the processor sets (only common ones lack a factory value).
    for (const ParamInfo& info : ParamTable) {
        if (!info.factory) {
            keys.push_back(PresetKeys::common(info.address));
        }
    }
    // The bass group shows no bands, so presets leave out the band addresses it still stores.
    for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
        for (int band = 0; band < bass.storedBandCount; ++band) {
            for (ParamField field : AllParamFields) {
                keys.push_back(PresetKeys::band(mode, bass.firstBand + band, field));
            }
        }
    }
    keys.push_back(PresetKeys::menuShow(PresetKeys::MenuShowEntries));
    return keys;
}

} // namespace

SimStateFile::LoadResult SimStateFile::load(const QString& path, ParamModel& memory,
                                            UserMessages& messages)
{
    const QString shown = FileName::shown(path);
    const auto fail = [&](const QString& message) {
        messages.showMessage(UserMessages::Icon::Critical, message);
        return LoadResult::Failed;
    };
    // Only nothing at all is a fresh processor; a pipe, a device or a link that leads nowhere is
    // refused by the read below.
    if (RegularFile::check(path).status == RegularFile::Status::Missing) {
        return LoadResult::Missing;
    }
    QString error;
    const std::optional<QByteArray> bytes = PresetFile::read(path, error);
    if (!bytes) {
        return fail(tr("The simulator state file \"%1\" could not be read: %2.").arg(shown, error));
    }
    const IniFile ini(*bytes);
    if (ini.value(PresetKeys::Section, PresetKeys::TypeKey) != PresetKeys::TypeTag) {
        return fail(tr("The simulator state file \"%1\" is not a preset file.").arg(shown));
    }
    ParamModel scratch = memory;
    QByteArray badKey;
    const std::vector<PresetKey> extraKeys = simulatorKeys();
    const bool hasExtras = ini.hasSection(Section);
    if (!PresetCodec::read(ini, PresetKeys::Section, PresetKeys::all(),
                           PresetCodec::ValueRule::AnyByte, scratch, &badKey) ||
        (hasExtras && !PresetCodec::read(ini, Section, extraKeys, PresetCodec::ValueRule::AnyByte,
                                         scratch, &badKey))) {
        return fail(tr("The simulator state file \"%1\" has no number from 0 to 255 for %2.")
                        .arg(shown, QString::fromLatin1(badKey)));
    }
    memory = scratch;
    return LoadResult::Loaded;
}

bool SimStateFile::save(const QString& path, const ParamModel& memory, UserMessages& messages)
{
    const ParamModel snapshot = memory;
    const QString error = PresetFile::update(path, [&snapshot](IniFile& ini) {
        ini.setValue(PresetKeys::Section, PresetKeys::TypeKey, PresetKeys::TypeTag);
        PresetCodec::write(ini, PresetKeys::Section, PresetKeys::all(), snapshot);
        PresetCodec::write(ini, Section, simulatorKeys(), snapshot);
    });
    if (!error.isEmpty()) {
        messages.showMessage(UserMessages::Icon::Critical,
                             tr("The simulator state file \"%1\" could not be written: %2.")
                                 .arg(FileName::shown(path), error));
        return false;
    }
    return true;
}

#include "ImportPreset.h"

#include "PresetCodec.h"
#include "PresetFile.h"

#include <QFileInfo>

namespace {

ImportResult importFailed(UserMessages& messages, PresetImportHooks& hooks)
{
    messages.showMessage(UserMessages::Icon::Critical, QStringLiteral("Import failed!"));
    hooks.UndoRedoInit();
    return ImportResult::Failed;
}

} // namespace

ImportResult ImportPreset(const QString& path, ParamModel& model, UserMessages& messages,
                          PresetImportHooks& hooks)
{
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return ImportResult::NoFile;
    }
    QString error;
    const std::optional<QByteArray> bytes = PresetFile::read(path, error);
    if (!bytes) {
        return importFailed(messages, hooks);
    }
    const IniFile ini(*bytes);
    if (ini.value(PresetKeys::Section, PresetKeys::TypeKey) != PresetKeys::TypeTag) {
        messages.showMessage(UserMessages::Icon::Critical,
                             QStringLiteral("The file you imported is not a specific profile."));
        return ImportResult::NotAPreset;
    }
    ParamModel scratch = model;
    if (!PresetCodec::read(ini, PresetKeys::Section, PresetKeys::all(),
                           PresetCodec::ValueRule::Preset, scratch)) {
        return importFailed(messages, hooks);
    }
    model.store() = scratch.store();
    model.menuShow() = scratch.menuShow();
    hooks.RefreshControls();
    hooks.UndoRedoInit();
    hooks.UploadAllWhenOnline();
    return ImportResult::Imported;
}

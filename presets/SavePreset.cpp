#include "SavePreset.h"

#include "PresetCodec.h"
#include "PresetFile.h"

#include <QDir>

QString presetSavePath(const QString& chosenPath)
{
    if (chosenPath.right(3).toLower() == u".pa") {
        return chosenPath;
    }
    return chosenPath + QStringLiteral(".PA");
}

std::optional<QString> SavePreset(const QString& chosenPath, const ParamModel& model,
                                  UserMessages& messages, PresetFile::Existing existing)
{
    if (chosenPath.isEmpty()) {
        return std::nullopt;
    }
    // A copy taken before any file access: whatever runs meanwhile (a sync, an edit) cannot
    // leave the file holding half of one parameter set and half of another.
    const ParamModel snapshot = model;
    const QString path = presetSavePath(chosenPath);
    const QString error = PresetFile::update(
        path,
        [&snapshot](IniFile& ini) {
            ini.setValue(PresetKeys::Section, PresetKeys::TypeKey, PresetKeys::TypeTag);
            PresetCodec::write(ini, PresetKeys::Section, PresetKeys::all(), snapshot);
        },
        existing);
    if (!error.isEmpty()) {
        messages.showMessage(UserMessages::Icon::Critical,
                             QStringLiteral("The preset could not be saved to \"%1\": %2.\n"
                                            "An existing file of that name is unchanged.")
                                 .arg(QDir::toNativeSeparators(path), error));
        return std::nullopt;
    }
    return path;
}

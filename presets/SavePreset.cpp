#include "SavePreset.h"

#include "FileName.h"
#include "PresetCodec.h"
#include "PresetFile.h"

#include <QCoreApplication>
#include <sys/stat.h>

namespace {

const QString Extension = QStringLiteral(".PA");

} // namespace

QString presetSavePath(const QString& chosenPath)
{
    if (chosenPath.right(3).toLower() == u".pa") {
        return chosenPath;
    }
    return chosenPath + Extension;
}

QString presetNameProblem(const QString& chosenPath)
{
    QStringView name = QStringView(chosenPath).sliced(chosenPath.lastIndexOf(u'/') + 1);
    struct stat info;
    if (name.isEmpty() || name == u"." || name == u".." ||
        (::stat(FileName::toBytes(chosenPath).constData(), &info) == 0 && S_ISDIR(info.st_mode))) {
        return QCoreApplication::translate("SavePreset", "it is a folder, not a file name");
    }
    if (name.compare(Extension, Qt::CaseInsensitive) == 0) {
        return QCoreApplication::translate("SavePreset", "it has no name before \"%1\"")
            .arg(Extension);
    }
    return {};
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
    const QString problem = presetNameProblem(chosenPath);
    const QString path = problem.isEmpty() ? presetSavePath(chosenPath) : chosenPath;
    const auto fill = [&snapshot](IniFile& ini) {
        ini.setValue(PresetKeys::Section, PresetKeys::TypeKey, PresetKeys::TypeTag);
        PresetCodec::write(ini, PresetKeys::Section, PresetKeys::all(), snapshot);
    };
    const QString error = problem.isEmpty() ? PresetFile::update(path, fill, existing) : problem;
    if (!error.isEmpty()) {
        messages.showMessage(UserMessages::Icon::Critical,
                             QCoreApplication::translate(
                                 "SavePreset", "The preset could not be saved to \"%1\": %2.\n"
                                               "An existing file of that name is unchanged.")
                                 .arg(FileName::shown(path), error));
        return std::nullopt;
    }
    return path;
}

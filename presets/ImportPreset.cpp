#include "ImportPreset.h"

#include "FileName.h"
#include "PresetCodec.h"
#include "PresetFile.h"
#include "RegularFile.h"

#include <QCoreApplication>

namespace {

ImportOutcome importFailed(UserMessages& messages, const QString& reason)
{
    messages.showMessage(UserMessages::Icon::Critical, importFailedMessage());
    return {ImportResult::Failed, reason};
}

} // namespace

QString importFailedMessage()
{
    return QCoreApplication::translate("ImportPreset", "Import failed!");
}

ImportOutcome ImportPreset(const QString& path, ParamModel& model, UserMessages& messages)
{
    // A folder or a pipe is no file either: nothing to import, and reading a pipe could block.
    if (RegularFile::check(path).status != RegularFile::Status::Regular) {
        return {ImportResult::NoFile, {}};
    }
    QString error;
    const std::optional<QByteArray> bytes = PresetFile::read(path, error);
    if (!bytes) {
        return importFailed(messages, error);
    }
    const IniFile ini(*bytes);
    if (ini.value(PresetKeys::Section, PresetKeys::TypeKey) != PresetKeys::TypeTag) {
        messages.showMessage(UserMessages::Icon::Critical, PresetKeys::notAPresetMessage());
        return {ImportResult::NotAPreset, {}};
    }
    ParamModel scratch = model;
    if (const QString problem = readPresetKeys(ini, scratch); !problem.isEmpty()) {
        return importFailed(messages, problem);
    }
    model.setStore(scratch.store());
    model.menuShow() = scratch.menuShow();
    return {ImportResult::Imported, {}};
}

QString readPresetKeys(const IniFile& ini, ParamModel& model)
{
    QByteArray badKey;
    if (PresetCodec::read(ini, PresetKeys::Section, PresetKeys::all(),
                          PresetCodec::ValueRule::Preset, model, &badKey)) {
        return {};
    }
    const std::optional<QByteArray> value = ini.value(PresetKeys::Section, badKey);
    return value ? presetValueProblem(badKey, *value)
                 : QCoreApplication::translate("ImportPreset", "%1 is missing")
                       .arg(QString::fromLatin1(badKey));
}

QString presetValueProblem(QByteArrayView key, QByteArrayView value)
{
    // The value as bytes a terminal cannot take for commands.
    return QCoreApplication::translate("ImportPreset",
                                       "%1=%2 is not a value from 0 to 255 other than 253 and 255")
        .arg(FileName::shown(FileName::fromBytes(key)),
             FileName::shown(FileName::fromBytes(value)));
}

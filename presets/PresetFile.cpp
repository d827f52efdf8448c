#include "PresetFile.h"

#include "RegularFile.h"

std::optional<QByteArray> PresetFile::read(const QString& path, QString& error)
{
    return RegularFile::read(path, MaxBytes, error);
}

QString PresetFile::update(const QString& path, const std::function<void(IniFile&)>& fill,
                           Existing existing)
{
    const RegularFile::Check check = RegularFile::check(path);
    if (check.status == RegularFile::Status::Refused) {
        return check.reason; // never replaced by a file: it may be a pipe, a device or a loop
    }
    IniFile ini;
    if (existing == Existing::Merge && check.status == RegularFile::Status::Regular) {
        QString error;
        const std::optional<QByteArray> bytes = read(path, error);
        if (!bytes) {
            return error;
        }
        ini = IniFile(*bytes);
    }
    fill(ini);
    return RegularFile::write(path, ini.toBytes());
}

#include "PresetFile.h"

#include "RegularFile.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> PresetFile::read(const QString& path, QString& error)
{
    if (const RegularFile::Check check = RegularFile::check(path);
        check.status != RegularFile::Status::Regular) {
        error = check.reason;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    // Read one byte past the limit rather than trusting size(): devices and pipes report 0.
    QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > MaxBytes) {
        error = QStringLiteral("it is larger than %1 MB").arg(MaxBytes / (1024 * 1024));
        return std::nullopt;
    }
    return bytes;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const QByteArray bytes = ini.toBytes();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

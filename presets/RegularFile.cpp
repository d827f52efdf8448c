#include "RegularFile.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <sys/stat.h>

RegularFile::Check RegularFile::check(const QString& path)
{
    if (path.isEmpty()) {
        return {Status::Missing, QStringLiteral("no file name given")};
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat target;
    if (::stat(name.constData(), &target) != 0) {
        const int error = errno;
        struct stat link;
        if (error == ELOOP || (error == ENOENT && ::lstat(name.constData(), &link) == 0)) {
            return {Status::Refused,
                    QStringLiteral("it is a symbolic link that leads nowhere (a loop, or its "
                                   "target is missing)")};
        }
        if (error == ENOENT) {
            return {Status::Missing, QStringLiteral("no such file")};
        }
        return {Status::Refused, qt_error_string(error)};
    }
    if (S_ISREG(target.st_mode)) {
        return {Status::Regular, {}};
    }
    const char* kind = S_ISDIR(target.st_mode)    ? "a directory"
                       : S_ISFIFO(target.st_mode) ? "a named pipe (FIFO)"
                       : S_ISSOCK(target.st_mode) ? "a socket"
                                                  : "a device";
    return {Status::Refused, QStringLiteral("it is %1, not a file").arg(QLatin1String(kind))};
}

std::optional<QByteArray> RegularFile::read(const QString& path, qint64 maxBytes, QString& error)
{
    if (const Check found = check(path); found.status != Status::Regular) {
        error = found.reason;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    // Read one byte past the limit rather than trusting size(): devices and pipes report 0.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        error = QStringLiteral("it is larger than %1 MB").arg(maxBytes / (1024 * 1024));
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> RegularFile::readText(const QString& path, qint64 maxBytes, QString& error)
{
    const std::optional<QByteArray> bytes = read(path, maxBytes, error);
    return bytes ? std::optional<QString>(QString::fromUtf8(*bytes)) : std::nullopt;
}

QString RegularFile::write(const QString& path, const QByteArray& bytes)
{
    if (const Check found = check(path); found.status == Status::Refused) {
        return found.reason; // never replaced by a file: it may be a pipe, a device or a loop
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

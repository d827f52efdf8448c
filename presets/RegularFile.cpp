#include "RegularFile.h"

#include "FileName.h"

#include <cerrno>
#include <sys/stat.h>

RegularFile::Check RegularFile::check(const QString& path)
{
    if (path.isEmpty()) {
        return {Status::Missing, QStringLiteral("no file name given")};
    }
    const QByteArray name = FileName::toBytes(path);
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

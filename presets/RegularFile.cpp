#include "RegularFile.h"

#include "FileName.h"
#include "ReplaceFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 FirstReadBytes = 4096;

} // namespace

RegularFile::Check RegularFile::check(const QString& path)
{
    if (path.isEmpty()) {
        return {Status::Missing, tr("no file name given")};
    }
    const QByteArray name = FileName::toBytes(path);
    struct stat target;
    if (::stat(name.constData(), &target) != 0) {
        const int error = errno;
        struct stat link;
        if (error == ELOOP || (error == ENOENT && ::lstat(name.constData(), &link) == 0)) {
            return {Status::Refused, tr("it is a symbolic link that leads nowhere (a loop, or its "
                                        "target is missing)")};
        }
        if (error == ENOENT) {
            return {Status::Missing, tr("no such file")};
        }
        return {Status::Refused, qt_error_string(error)};
    }
    if (S_ISREG(target.st_mode)) {
        return {Status::Regular, {}};
    }
    const QString kind = S_ISDIR(target.st_mode)    ? tr("a directory")
                         : S_ISFIFO(target.st_mode) ? tr("a named pipe (FIFO)")
                         : S_ISSOCK(target.st_mode) ? tr("a socket")
                                                    : tr("a device");
    return {Status::Refused, tr("it is %1, not a file").arg(kind)};
}

std::optional<QByteArray> RegularFile::read(const QString& path, qint64 maxBytes, QString& error)
{
    if (const Check found = check(path); found.status != Status::Regular) {
        error = found.reason;
        return std::nullopt;
    }
    const int fd = ::open(FileName::toBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = qt_error_string(errno);
        return std::nullopt;
    }
    // The size is only a first guess, so that a small file costs no more than its bytes: a file
    // may grow while it is read, and some (those of /proc) report 0. The buffer grows up to one
    // byte past the limit, which tells a file that is too large.
    struct stat opened;
    const qint64 guess = ::fstat(fd, &opened) == 0 ? qint64(opened.st_size) + 1 : 0;
    QByteArray bytes;
    bytes.resize(std::min(std::max(guess, FirstReadBytes), maxBytes + 1));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes) {
                break;
            }
            bytes.resize(std::min(2 * qint64(filled), maxBytes + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = qt_error_string(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        filled += got;
    }
    ::close(fd);
    if (filled > maxBytes) {
        error = tr("it is larger than %1 MB").arg(maxBytes / (1024 * 1024));
        return std::nullopt;
    }
    bytes.truncate(filled);
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
    return ReplaceFile::write(path, bytes);
}

#include "PresetFile.h"

#include "FileName.h"
#include "RegularFile.h"
#include "ReplaceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

std::optional<QByteArray> PresetFile::read(const QString& path, QString& error)
{
    if (const RegularFile::Check check = RegularFile::check(path);
        check.status != RegularFile::Status::Regular) {
        error = check.reason;
        return std::nullopt;
    }
    const int fd = ::open(FileName::toBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = qt_error_string(errno);
        return std::nullopt;
    }
    // Read one byte past the limit rather than trusting the size: devices and pipes report 0.
    QByteArray bytes(MaxBytes + 1, '\0');
    qsizetype filled = 0;
    while (filled < bytes.size()) {
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
    if (filled > MaxBytes) {
        error = QStringLiteral("it is larger than %1 MB").arg(MaxBytes / (1024 * 1024));
        return std::nullopt;
    }
    bytes.truncate(filled);
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
    return ReplaceFile::write(path, ini.toBytes());
}

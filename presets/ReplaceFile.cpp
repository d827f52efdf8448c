#include "ReplaceFile.h"

#include "FileName.h"
#include "LocalPath.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView Marker = ".tonvexa-";
constexpr QByteArrayView Suffix = ".tmp";
constexpr int RandomLength = 6;
constexpr int CreateAttempts = 100;
constexpr char RandomCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QString systemError(int error)
{
    return qt_error_string(error);
}

// The process id in a temporary file's name ("PID-XXXXXX.tmp" after the prefix), or 0.
qint64 ownerOf(QByteArrayView rest)
{
    const qsizetype dash = rest.indexOf('-');
    if (dash <= 0 || rest.size() != dash + 1 + RandomLength + Suffix.size() ||
        !rest.endsWith(Suffix)) {
        return 0;
    }
    bool ok = false;
    const qint64 pid = rest.first(dash).toLongLong(&ok);
    return ok && rest.first(dash).front() != '+' && rest.first(dash).front() != '-' ? pid : 0;
}

bool writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes = bytes.sliced(written);
    }
    return true;
}

void syncFolder(const QByteArray& folder)
{
    // Some file systems cannot sync a folder; the file is in place all the same.
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QByteArray ReplaceFile::temporaryPrefix(const QByteArray& name, qint64 pid)
{
    return name + Marker.toByteArray() + QByteArray::number(pid) + '-';
}

int ReplaceFile::removeLeftovers(const QByteArray& folder, const QByteArray& name)
{
    const QByteArray prefix = name + Marker.toByteArray();
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), &::closedir);
    if (!dir) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArrayView entryName(entry->d_name);
        if (!entryName.startsWith(prefix)) {
            continue;
        }
        const qint64 pid = ownerOf(entryName.sliced(prefix.size()));
        const QByteArray path = folder + '/' + entryName.toByteArray();
        struct stat info;
        if (pid > 0 && !LocalPath::processRuns(pid) && ::lstat(path.constData(), &info) == 0 &&
            S_ISREG(info.st_mode) && ::unlink(path.constData()) == 0) {
            ++removed;
        }
    }
    return removed;
}

QString ReplaceFile::write(const QString& path, QByteArrayView bytes)
{
    QByteArray target = FileName::toBytes(path);
    struct stat existing;
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists) {
        // The file a link leads to; the link stays.
        const QByteArray resolved = LocalPath::canonical(target);
        target = resolved.isEmpty() ? target : resolved;
    }
    const QByteArray folder = LocalPath::folderOf(target);
    const QByteArray name = LocalPath::nameOf(target);
    removeLeftovers(folder, name);

    const QByteArray prefix =
        folder + '/' + temporaryPrefix(name, QCoreApplication::applicationPid());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < CreateAttempts; ++attempt) {
        temporary = prefix;
        for (int i = 0; i < RandomLength; ++i) {
            temporary += RandomCharacters[QRandomGenerator::global()->bounded(
                int(sizeof(RandomCharacters) - 1))];
        }
        temporary += Suffix.toByteArray();
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                    0666);
        if (fd < 0 && errno != EEXIST) {
            return systemError(errno);
        }
    }
    if (fd < 0) {
        return systemError(EEXIST);
    }
    const auto fail = [&](int error) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporary.constData());
        return systemError(error);
    };
    // The replacement keeps the permissions of the file it replaces.
    if ((exists && ::fchmod(fd, existing.st_mode & 07777) != 0) || !writeAll(fd, bytes) ||
        ::fsync(fd) != 0) {
        return fail(errno);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        return fail(errno);
    }
    syncFolder(folder);
    return {};
}

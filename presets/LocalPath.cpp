#include "LocalPath.h"

#include "FileName.h"

#include <QList>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QChar Replacement(0xFFFD);

// The entries of a folder whose names Qt would show as `shown`.
QList<QByteArray> entriesShownAs(const QByteArray& folder, const QString& shown)
{
    QList<QByteArray> found;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), &::closedir);
    if (!dir) {
        return found;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (QString::fromUtf8(name) == shown) {
            found.append(name);
        }
    }
    return found;
}

} // namespace

QByteArray LocalPath::absolute(const QByteArray& path)
{
    if (path.startsWith('/')) {
        return path;
    }
    QByteArray folder(PATH_MAX, '\0');
    while (!::getcwd(folder.data(), size_t(folder.size()))) {
        if (errno != ERANGE) {
            return path;
        }
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qsizetype(qstrlen(folder.constData())));
    return path.isEmpty() ? folder : folder + (folder.endsWith('/') ? "" : "/") + path;
}

QByteArray LocalPath::canonical(const QByteArray& path)
{
    const std::unique_ptr<char, void (*)(void*)> resolved(::realpath(path.constData(), nullptr),
                                                          &std::free);
    return resolved ? QByteArray(resolved.get()) : QByteArray();
}

QByteArray LocalPath::folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return ".";
    }
    return slash == 0 ? QByteArray("/") : path.first(slash);
}

QByteArray LocalPath::nameOf(const QByteArray& path)
{
    return path.sliced(path.lastIndexOf('/') + 1);
}

bool LocalPath::makeFolders(const QByteArray& folder)
{
    struct stat info;
    if (folder.isEmpty() || ::stat(folder.constData(), &info) == 0) {
        return true;
    }
    const QByteArray parent = folderOf(folder);
    if (parent != folder && !makeFolders(parent)) {
        return false;
    }
    return ::mkdir(folder.constData(), 0777) == 0 || errno == EEXIST;
}

QString LocalPath::fromDialog(const QString& path)
{
    if (!path.contains(Replacement)) {
        return path;
    }
    // Folder by folder, so that a folder whose name is not UTF-8 is found too.
    const QStringList parts = path.split(u'/');
    QByteArray resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QByteArray part = FileName::toBytes(parts[i]);
        if (parts[i].contains(Replacement)) {
            struct stat info;
            const QByteArray as = resolved + part;
            if (::lstat(as.constData(), &info) != 0) {
                const QList<QByteArray> found =
                    entriesShownAs(resolved.isEmpty() ? QByteArray(".") : resolved, parts[i]);
                if (found.size() != 1) {
                    return path;
                }
                part = found.front();
            }
        }
        resolved += part;
        if (i + 1 < parts.size()) {
            resolved += '/';
        }
    }
    return FileName::fromBytes(resolved);
}

bool LocalPath::processRuns(qint64 pid)
{
    if (pid <= 0 || pid > INT_MAX) {
        return false;
    }
    // EPERM: it runs, as another user.
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

#include "StateFileLock.h"

#include "FileName.h"
#include "LocalPath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::chrono::milliseconds Poll{50};
constexpr qsizetype MaxLockBytes = 4096;

enum class Verdict
{
    Vanished,  // nothing there any more: try again at once
    Held,      // by a live program, or by one on another host
    Unnamed,   // names nobody: taken over once it has stayed so for the grace time
    Abandoned, // taken over now
    Stuck,     // cannot be taken over
};

// A descriptor closed when it goes out of scope.
class OpenFile
{
public:
    explicit OpenFile(int fd = -1)
        : m_fd(fd)
    {}
    OpenFile(OpenFile&& other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {}
    OpenFile& operator=(OpenFile&& other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~OpenFile()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int fd() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

struct Inspection
{
    Verdict verdict = Verdict::Vanished;
    QString holder;   // Held: "tonvexa-cli (process 123)"; Stuck: what the lock is
    QString stuckWhy; // Stuck: why it cannot be taken over
    bool folder = false;
    bool elsewhere = false; // Held: by a program on another host
    OpenFile file;          // a regular lock, open and flock()ed by us while it names no live owner
    dev_t device = 0;
    ino_t inode = 0;
    qint64 ageMs = 0; // since it was last written, by the clock
};

// The record a lock holds, in QLockFile's form: process id, program, host, machine id, boot id,
// one a line.
struct Owner
{
    qint64 pid = 0;
    QByteArray program, host, machine, boot;
    bool complete = false; // at least the first three lines, each ended
};

Owner ownerIn(const QByteArray& text)
{
    Owner owner;
    const QList<QByteArray> lines = text.split('\n');
    // The last element is what follows the last line end: it is no whole line.
    const qsizetype whole = lines.size() - 1;
    bool ok = false;
    owner.pid = whole >= 1 ? lines[0].toLongLong(&ok) : 0;
    if (!ok || owner.pid <= 0 || whole < 3) {
        return owner;
    }
    owner.program = lines[1];
    owner.host = lines[2];
    owner.machine = whole >= 4 ? lines[3] : QByteArray();
    owner.boot = whole >= 5 ? lines[4] : QByteArray();
    owner.complete = true;
    return owner;
}

// The file name of the program a process runs, empty when it cannot be told.
QByteArray programOf(qint64 pid)
{
    QByteArray target(4096, '\0');
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    const ssize_t length = ::readlink(link.constData(), target.data(), size_t(target.size()));
    if (length <= 0) {
        return {};
    }
    target.truncate(length);
    if (target.endsWith(" (deleted)")) { // updated while it runs: still the same program
        target.chop(int(sizeof(" (deleted)")) - 1);
    }
    return LocalPath::nameOf(target);
}

QByteArray ownRecord()
{
    const qint64 pid = QCoreApplication::applicationPid();
    return QByteArray::number(pid) + '\n' + programOf(pid) + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

QString describedOwner(const Owner& owner)
{
    const QString program = owner.program.isEmpty()
                                ? QCoreApplication::translate("StateFileLock", "another program")
                                : FileName::fromBytes(owner.program);
    const QString host = owner.host.isEmpty() || owner.host == QSysInfo::machineHostName().toUtf8()
                             ? QString()
                             : QCoreApplication::translate("StateFileLock", " on ") +
                                   FileName::fromBytes(owner.host);
    return QCoreApplication::translate("StateFileLock", "%1 (process %2%3)")
        .arg(FileName::shown(program))
        .arg(owner.pid)
        .arg(host);
}

// What an existing regular lock, open in fd, says about its owner.
void judge(Inspection& inspection)
{
    const int fd = inspection.file.fd();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Its program runs and holds it.
        inspection.verdict = Verdict::Held;
    }
    QByteArray text(MaxLockBytes, '\0');
    const ssize_t got = ::pread(fd, text.data(), size_t(text.size()), 0);
    text.truncate(qMax<ssize_t>(got, 0));
    const Owner owner = ownerIn(text);
    if (owner.complete) {
        inspection.holder = describedOwner(owner);
    }
    if (inspection.verdict == Verdict::Held) {
        return;
    }
    if (!owner.complete) {
        inspection.verdict = Verdict::Unnamed;
        inspection.holder = QCoreApplication::translate("StateFileLock", "naming no program");
        return;
    }
    const bool thisMachine =
        !owner.machine.isEmpty() && owner.machine == QSysInfo::machineUniqueId();
    const bool thisHost =
        thisMachine || owner.host.isEmpty() || owner.host == QSysInfo::machineHostName().toUtf8();
    if (!thisHost) {
        // Whether it still runs cannot be told from here.
        inspection.verdict = Verdict::Held;
        inspection.elsewhere = true;
        return;
    }
    const bool earlierBoot =
        thisMachine && !owner.boot.isEmpty() && owner.boot != QSysInfo::bootUniqueId();
    const QByteArray running = programOf(owner.pid);
    const bool sameProgram =
        running.isEmpty() || owner.program.isEmpty() || running == LocalPath::nameOf(owner.program);
    inspection.verdict = !earlierBoot && LocalPath::processRuns(owner.pid) && sameProgram
                             ? Verdict::Held
                             : Verdict::Abandoned;
}

Inspection inspect(const QByteArray& lockPath)
{
    Inspection inspection;
    struct stat info;
    if (::lstat(lockPath.constData(), &info) != 0) {
        if (errno != ENOENT) {
            inspection.verdict = Verdict::Stuck;
            inspection.holder = QCoreApplication::translate("StateFileLock", "cannot be examined");
            inspection.stuckWhy = qt_error_string(errno);
        }
        return inspection;
    }
    inspection.device = info.st_dev;
    inspection.inode = info.st_ino;
    inspection.ageMs = QDateTime::currentMSecsSinceEpoch() -
                       (qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000);
    if (S_ISLNK(info.st_mode) || S_ISDIR(info.st_mode)) {
        // Never made by a program that runs: a lock is always a file.
        inspection.verdict = Verdict::Abandoned;
        inspection.folder = S_ISDIR(info.st_mode);
        inspection.holder = inspection.folder
                                ? QCoreApplication::translate("StateFileLock", "a folder")
                                : QCoreApplication::translate("StateFileLock", "a symbolic link");
        return inspection;
    }
    if (!S_ISREG(info.st_mode)) {
        inspection.verdict = Verdict::Stuck;
        inspection.holder = QCoreApplication::translate("StateFileLock", "not a file");
        inspection.stuckWhy =
            QCoreApplication::translate("StateFileLock", "a program never leaves such a thing");
        return inspection;
    }
    inspection.file =
        OpenFile(::open(lockPath.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat opened;
    if (inspection.file.fd() < 0) {
        // Unreadable: nothing tells whether its owner runs.
        inspection.verdict = errno == ENOENT ? Verdict::Vanished : Verdict::Unnamed;
        inspection.holder = QCoreApplication::translate("StateFileLock", "unreadable");
        return inspection;
    }
    if (::fstat(inspection.file.fd(), &opened) != 0 || opened.st_ino != info.st_ino ||
        opened.st_dev != info.st_dev) {
        return inspection; // replaced meanwhile: look again
    }
    judge(inspection);
    return inspection;
}

// Removes an abandoned lock, only while the name still leads to the thing judged. Empty text
// when it is gone, otherwise why it cannot be removed.
QString takeOver(const QByteArray& lockPath, const Inspection& inspection)
{
    struct stat now;
    if (::lstat(lockPath.constData(), &now) != 0) {
        return {};
    }
    if (now.st_ino != inspection.inode || now.st_dev != inspection.device) {
        return {}; // someone else took it over first: look again
    }
    const int removed =
        inspection.folder ? ::rmdir(lockPath.constData()) : ::unlink(lockPath.constData());
    return removed == 0 || errno == ENOENT ? QString() : qt_error_string(errno);
}

QString shellQuoted(const QString& path)
{
    return u'\'' + QString(path).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

} // namespace

StateFileLock::StateFileLock(const QString& stateFile)
    : m_stateFile(stateFile)
    , m_lockPath(lockPathOf(stateFile))
{}

StateFileLock::~StateFileLock()
{
    if (m_fd < 0) {
        return;
    }
    // Only our own lock: never one that someone put in its place.
    struct stat mine;
    struct stat there;
    if (::fstat(m_fd, &mine) == 0 && ::lstat(m_lockPath.constData(), &there) == 0 &&
        mine.st_ino == there.st_ino && mine.st_dev == there.st_dev) {
        ::unlink(m_lockPath.constData());
    }
    ::close(m_fd);
}

QByteArray StateFileLock::lockPathOf(const QString& stateFile)
{
    const QByteArray path = FileName::toBytes(stateFile);
    const QByteArray canonical = LocalPath::canonical(path);
    return (canonical.isEmpty() ? LocalPath::absolute(path) : canonical) + ".lock";
}

bool StateFileLock::create(QString& error)
{
    OpenFile file(
        ::open(m_lockPath.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (file.fd() < 0) {
        if (errno != EEXIST) {
            error =
                QCoreApplication::translate("StateFileLock",
                                            "the lock file \"%1\" cannot be created: %2")
                    .arg(FileName::shown(FileName::fromBytes(m_lockPath)), qt_error_string(errno));
        }
        return false;
    }
    ::flock(file.fd(), LOCK_EX | LOCK_NB);
    const QByteArray record = ownRecord();
    const ssize_t written = ::write(file.fd(), record.constData(), size_t(record.size()));
    if (written != record.size()) {
        const int why = written < 0 ? errno : ENOSPC;
        ::unlink(m_lockPath.constData());
        error = QCoreApplication::translate("StateFileLock",
                                            "the lock file \"%1\" cannot be written: %2")
                    .arg(FileName::shown(FileName::fromBytes(m_lockPath)), qt_error_string(why));
        return false;
    }
    ::fdatasync(file.fd());
    m_fd = file.release();
    return true;
}

bool StateFileLock::acquire(std::chrono::milliseconds wait, QString& error)
{
    const QString file =
        QCoreApplication::translate("StateFileLock", "The simulator state file \"%1\"")
            .arg(FileName::shown(m_stateFile));
    const QString lock = FileName::shown(FileName::fromBytes(m_lockPath));
    QElapsedTimer clock;
    clock.start();
    // When a lock that names nobody was first seen, by its inode.
    std::optional<std::pair<ino_t, qint64>> unnamedSince;
    forever
    {
        QString createError;
        if (create(createError)) {
            return true;
        }
        if (!createError.isEmpty()) {
            error = QCoreApplication::translate("StateFileLock", "%1 cannot be locked: %2.")
                        .arg(file, createError);
            return false;
        }
        const Inspection found = inspect(m_lockPath);
        bool takeNow = found.verdict == Verdict::Abandoned;
        if (found.verdict == Verdict::Unnamed) {
            if (!unnamedSince || unnamedSince->first != found.inode) {
                unnamedSince.emplace(found.inode, clock.elapsed());
            }
            takeNow = found.ageMs >= UnnamedGrace.count() ||
                      clock.elapsed() - unnamedSince->second >= UnnamedGrace.count();
        }
        QString stuckWhy = found.stuckWhy;
        if (takeNow) {
            stuckWhy = takeOver(m_lockPath, found);
            if (stuckWhy.isEmpty()) {
                continue;
            }
        }
        if (found.verdict == Verdict::Vanished) {
            continue;
        }
        // Never longer than the grace beyond the wait, even if such locks keep coming.
        const bool waitingForGrace = found.verdict == Verdict::Unnamed && !takeNow &&
                                     clock.elapsed() < (wait + UnnamedGrace).count();
        if (!stuckWhy.isEmpty() || (clock.elapsed() >= wait.count() && !waitingForGrace)) {
            const QString removal =
                QStringLiteral("rm %1-- %2")
                    .arg(found.folder ? QStringLiteral("-r ") : QString(), shellQuoted(lock));
            if (!stuckWhy.isEmpty()) {
                error =
                    QCoreApplication::translate(
                        "StateFileLock", "%1 cannot be locked: its lock file \"%2\" (%3) cannot be "
                                         "taken over: %4. Remove it (%5) when no tonvexa program "
                                         "uses the file.")
                        .arg(file, lock, found.holder, stuckWhy, removal);
            } else if (found.elsewhere) {
                error =
                    QCoreApplication::translate(
                        "StateFileLock", "%1 is in use by %2; try again when it has ended. If it "
                                         "no longer runs, remove its lock file (%3).")
                        .arg(file, found.holder, removal);
            } else {
                error =
                    QCoreApplication::translate("StateFileLock",
                                                "%1 is in use by %2; try again when it has ended.")
                        .arg(file, found.holder.isEmpty() ? QCoreApplication::translate(
                                                                "StateFileLock", "another program")
                                                          : found.holder);
            }
            return false;
        }
        QThread::msleep(Poll.count());
    }
}

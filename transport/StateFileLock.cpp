#include "StateFileLock.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Beside the file the links lead to, so that two names of one state file share one lock.
QString lockPath(const QString& stateFile)
{
    const QFileInfo info(stateFile);
    const QString canonical = info.canonicalFilePath();
    return (canonical.isEmpty() ? info.absoluteFilePath() : canonical) + QStringLiteral(".lock");
}

} // namespace

StateFileLock::StateFileLock(const QString& stateFile)
    : m_stateFile(stateFile)
    , m_lock(lockPath(stateFile))
{
    // A window may hold the file for hours: only a holder that no longer runs makes it stale.
    m_lock.setStaleLockTime(0);
}

bool StateFileLock::acquire(int waitMs, QString& error)
{
    if (m_lock.tryLock(waitMs)) {
        return true;
    }
    const QString file = QStringLiteral("The simulator state file \"%1\"")
                             .arg(QDir::toNativeSeparators(m_stateFile));
    qint64 pid = 0;
    QString host;
    QString program;
    if (m_lock.error() == QLockFile::LockFailedError && m_lock.getLockInfo(&pid, &host, &program)) {
        error = QStringLiteral("%1 is in use by %2 (process %3%4); try again when it has ended.")
                    .arg(file, program.isEmpty() ? QStringLiteral("another program") : program)
                    .arg(pid)
                    .arg(host.isEmpty() ? QString() : QStringLiteral(" on ") + host);
    } else if (m_lock.error() == QLockFile::LockFailedError) {
        error = QStringLiteral("%1 is in use by another program; try again when it has ended.")
                    .arg(file);
    } else {
        error = QStringLiteral("%1 cannot be locked: the lock file \"%2\" cannot be created.")
                    .arg(file, QDir::toNativeSeparators(lockPath(m_stateFile)));
    }
    return false;
}

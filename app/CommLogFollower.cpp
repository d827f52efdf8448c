#include "CommLogFollower.h"

#include "CommLog.h"
#include "FileName.h"

#include <cerrno>
#include <fcntl.h>

CommLogFollower::CommLogFollower(CommLog& log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{}

CommLogFollower::~CommLogFollower()
{
    m_log.setFollowed(false);
}

bool CommLogFollower::open(const QString& path, QString& error)
{
    // By its bytes: the name may not be UTF-8 (FileName).
    const int descriptor = ::open(FileName::toBytes(path).constData(),
                                  O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        error = qt_error_string(errno);
        return false;
    }
    if (!m_file.open(descriptor, QIODevice::WriteOnly | QIODevice::Append,
                     QFileDevice::AutoCloseHandle)) {
        error = m_file.errorString();
        return false;
    }
    m_log.setFollowed(true);
    connect(&m_log, &CommLog::entryAppended, this, &CommLogFollower::write);
    return true;
}

void CommLogFollower::write(const QString& entry)
{
    // Flushed at once: the lines before a crash or a pulled plug are the ones support needs.
    m_file.write(entry.toUtf8() + '\n');
    m_file.flush();
}

#include "CommLogFollower.h"

#include "CommLog.h"

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
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
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

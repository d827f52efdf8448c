#include "CommLogArchive.h"

#include "CommLog.h"
#include "CommLogFile.h"

CommLogArchive::CommLogArchive(CommLog& log, CommLogFile& file)
    : m_log(log)
    , m_file(file)
{}

void CommLogArchive::open()
{
    m_log.setShowsKeepAlive(true);
    m_log.setEnabled(true);
    m_file.start();
    m_open = true;
    m_replaceNext = true;
}

void CommLogArchive::close()
{
    m_log.setEnabled(false);
    m_open = false;
}

std::optional<CommLogArchive::Update> CommLogArchive::tick()
{
    if (!m_replaceNext && m_log.text().size() == m_shownLength) {
        return std::nullopt;
    }
    bool replace = m_replaceNext || m_log.text().size() < m_shownLength;
    if (m_log.text().size() > RollOverLength) {
        moveTextToFile();
        replace = true;
    }
    const QString& text = m_log.text();
    QString part = replace ? text : text.mid(m_shownLength);
    part.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Every entry begins with its line break; the display's first line is not left empty.
    if ((replace || m_shownLength == 0) && part.startsWith(u'\n')) {
        part.remove(0, 1);
    }
    m_shownLength = text.size();
    m_replaceNext = false;
    return Update{replace, part};
}

void CommLogArchive::clearAndSave()
{
    moveTextToFile();
    m_replaceNext = true;
}

void CommLogArchive::saveUnwritten()
{
    if (m_open && !m_log.text().isEmpty()) {
        moveTextToFile();
    }
}

void CommLogArchive::moveTextToFile()
{
    m_file.append(m_log.text());
    m_log.clear();
}

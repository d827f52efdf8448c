#include "CommLog.h"

void CommLog::append(const QString& entry)
{
    if (m_enabled) {
        appendAlways(entry);
    } else if (m_followed) {
        Q_EMIT entryAppended(entry);
    }
}

void CommLog::appendAlways(const QString& entry)
{
    m_text += QStringLiteral("\r\n") + entry;
    if (!m_enabled && m_text.size() > UnshownLimit) {
        // Keep whole entries: cut at the line break nearest the limit.
        const qsizetype cut = m_text.indexOf(u'\r', m_text.size() - UnshownLimit);
        m_text.remove(0, cut < 0 ? m_text.size() : cut);
    }
    Q_EMIT entryAppended(entry);
}

#pragma once

#include <QObject>
#include <QString>

// The communication log: one text of entries, each appended as CR LF plus the entry, so the
// text starts with a line break. Entries go into the text while the log window shows it
// (enabled); checksum failures go in even when it does not. A follower (a --log file, standard
// error) gets every entry through entryAppended, whether the text keeps it or not.
class CommLog : public QObject
{
    Q_OBJECT

public:
    // While no view shows the text it keeps only about this many of its newest characters,
    // so noise on the line cannot grow it without limit.
    static constexpr int UnshownLimit = 60000;

    using QObject::QObject;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isFollowed() const { return m_followed; }
    void setFollowed(bool followed) { m_followed = followed; }
    bool showsKeepAlive() const { return m_showKeepAlive; }
    void setShowsKeepAlive(bool show) { m_showKeepAlive = show; }

    // Appends while the log is enabled; tells the follower in any case.
    void append(const QString& entry);
    // Appends in any case (checksum failures).
    void appendAlways(const QString& entry);

    const QString& text() const { return m_text; }
    // The log window empties the text once it has gone to the log file.
    void clear() { m_text.clear(); }

Q_SIGNALS:
    void entryAppended(const QString& entry);

private:
    bool m_enabled = false;
    bool m_followed = false;
    bool m_showKeepAlive = true;
    QString m_text;
};

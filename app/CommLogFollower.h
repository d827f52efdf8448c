#pragma once

#include <QFile>
#include <QObject>

class CommLog;

// tonvexa --log FILE: every communication log entry, one line each, appended to the file the
// moment it is made (the frames sent and received, as the log window shows them), whether the
// log window is open or not. What the file held before stays.
class CommLogFollower : public QObject
{
    Q_OBJECT

public:
    explicit CommLogFollower(CommLog& log, QObject* parent = nullptr);
    ~CommLogFollower() override;

    // False, with the system's reason in error, when the file cannot be opened for appending.
    bool open(const QString& path, QString& error);

private:
    void write(const QString& entry);

    CommLog& m_log;
    QFile m_file;
};

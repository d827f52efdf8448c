#pragma once

#include <QString>
#include <functional>

// The file "CommIndicator.txt" that the log window moves its text into. It lives in the
// program's directory when that is writable (a copy run from its build or unpacked folder) and
// otherwise, as once installed, in the user's data folder. Failures are kept as one line of text
// for the window to show; nothing here opens a message box.
class CommLogFile
{
public:
    static inline const QString FileName = QStringLiteral("CommIndicator.txt");

    using WritableCheck = std::function<bool(const QString& directory)>;

    // The program's directory and the user's data folder of this program.
    CommLogFile();
    CommLogFile(QString programDirectory, QString dataDirectory, WritableCheck isWritable = {});

    // Picks the folder and deletes the file of the previous opening of the window.
    void start();
    // Appends the text and a line break; false when that failed (status() then says why).
    bool append(const QString& text);

    QString path() const { return m_path; }
    // "Log file: PATH", or the last failure.
    QString status() const { return m_status; }

private:
    void fail(const QString& what, const QString& why);

    QString m_programDirectory;
    QString m_dataDirectory;
    WritableCheck m_isWritable;
    QString m_path;
    QString m_status;
};

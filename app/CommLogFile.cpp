#include "CommLogFile.h"

#include "WritableFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QByteArray LineBreak = QByteArrayLiteral("\r\n");

} // namespace

CommLogFile::CommLogFile()
    : CommLogFile(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
{}

CommLogFile::CommLogFile(QString programDirectory, QString dataDirectory, WritableCheck isWritable)
    : m_programDirectory(std::move(programDirectory))
    , m_dataDirectory(std::move(dataDirectory))
    , m_isWritable(isWritable ? std::move(isWritable) : WritableCheck(isWritableFolder))
{}

void CommLogFile::start()
{
    const QString& folder = m_isWritable(m_programDirectory) ? m_programDirectory : m_dataDirectory;
    m_path = QDir::cleanPath(QDir(folder).absoluteFilePath(FileName));
    m_status = QCoreApplication::translate("CommLogFile", "Log file: %1")
                   .arg(QDir::toNativeSeparators(m_path));
    QFile file(m_path);
    if (file.exists() && !file.remove()) {
        fail(QCoreApplication::translate("CommLogFile", "delete"), file.errorString());
    }
}

bool CommLogFile::append(const QString& text)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        fail(QCoreApplication::translate("CommLogFile", "write"),
             QCoreApplication::translate("CommLogFile", "its folder cannot be created"));
        return false;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) ||
        file.write(text.toUtf8() + LineBreak) < 0 || !file.flush()) {
        fail(QCoreApplication::translate("CommLogFile", "write"), file.errorString());
        return false;
    }
    return true;
}

void CommLogFile::fail(const QString& what, const QString& why)
{
    m_status = QCoreApplication::translate("CommLogFile", "Could not %1 the log file %2: %3")
                   .arg(what, QDir::toNativeSeparators(m_path), why);
}

#include "PresetFolder.h"

#include "WritableFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

PresetFolder::PresetFolder(QSettings& settings, QString programDirectory,
                           QString documentsDirectory)
    : m_settings(settings)
    , m_programDirectory(std::move(programDirectory))
    , m_documentsDirectory(std::move(documentsDirectory))
{}

QString PresetFolder::startFolder() const
{
    QString last = m_settings.value(SettingsKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    if (isWritableFolder(m_programDirectory)) {
        return m_programDirectory;
    }
    return QFileInfo(m_documentsDirectory).isDir() ? m_documentsDirectory : QDir::homePath();
}

void PresetFolder::remember(const QString& chosenFile)
{
    if (!chosenFile.isEmpty()) {
        m_settings.setValue(SettingsKey, QFileInfo(chosenFile).absolutePath());
    }
}

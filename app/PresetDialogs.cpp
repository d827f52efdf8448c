#include "PresetDialogs.h"

#include "LocalPath.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStandardPaths>

PresetDialogs::PresetDialogs()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                 QCoreApplication::applicationName())
    , m_folder(m_settings, QCoreApplication::applicationDirPath(),
               QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{}

QString PresetDialogs::BrowsePresetFile()
{
    const QString file =
        QFileDialog::getOpenFileName(m_owner, OpenTitle, m_folder.startFolder(), Filter);
    m_folder.remember(file);
    return LocalPath::fromDialog(file);
}

QString PresetDialogs::ChoosePresetSaveFile()
{
    // The dialog asks before it overwrites a file.
    const QString file =
        QFileDialog::getSaveFileName(m_owner, SaveTitle, m_folder.startFolder(), Filter);
    m_folder.remember(file);
    return LocalPath::fromDialog(file);
}

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

QString PresetDialogs::open(const QString& title, const QString& filter)
{
    const QString file =
        QFileDialog::getOpenFileName(m_owner, title, m_folder.startFolder(), filter);
    m_folder.remember(file);
    return LocalPath::fromDialog(file);
}

QString PresetDialogs::save(const QString& title, const QString& filter)
{
    // The dialog asks before it overwrites a file.
    const QString file =
        QFileDialog::getSaveFileName(m_owner, title, m_folder.startFolder(), filter);
    m_folder.remember(file);
    return LocalPath::fromDialog(file);
}

QString PresetDialogs::BrowsePresetFile()
{
    return open(OpenTitle, Filter);
}

QString PresetDialogs::ChoosePresetSaveFile()
{
    return save(SaveTitle, Filter);
}

QString PresetDialogs::BrowseFilterFile()
{
    return open(QStringLiteral("Import filter file"), FilterFileFilter);
}

QString PresetDialogs::ChooseFilterSaveFile()
{
    return save(QStringLiteral("Export filter file"), FilterFileFilter);
}

QString PresetDialogs::BrowseMeasurementFile()
{
    return open(QStringLiteral("Load measurement"), MeasurementFilter);
}

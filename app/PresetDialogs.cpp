#include "PresetDialogs.h"

#include "DialogResult.h"
#include "LocalPath.h"

#include <QCoreApplication>
#include <QStandardPaths>

PresetDialogs::PresetDialogs()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                 QCoreApplication::applicationName())
    , m_folder(m_settings, QCoreApplication::applicationDirPath(),
               QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{}

QCoro::Task<QString> PresetDialogs::choose(QString title, QString filter,
                                           QFileDialog::AcceptMode mode)
{
    auto* dialog = new QFileDialog(m_owner, title, m_folder.startFolder(), filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // A save dialog asks before it overwrites a file.
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    const int result = co_await DialogResult(dialog);
    const QString file = result == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
    m_folder.remember(file);
    co_return LocalPath::fromDialog(file);
}

QCoro::Task<QString> PresetDialogs::BrowsePresetFile()
{
    co_return co_await choose(OpenTitle, Filter, QFileDialog::AcceptOpen);
}

QCoro::Task<QString> PresetDialogs::ChoosePresetSaveFile()
{
    co_return co_await choose(SaveTitle, Filter, QFileDialog::AcceptSave);
}

QCoro::Task<QString> PresetDialogs::browseFilterFile()
{
    co_return co_await choose(QStringLiteral("Import filter file"), FilterFileFilter,
                              QFileDialog::AcceptOpen);
}

QCoro::Task<QString> PresetDialogs::chooseFilterSaveFile()
{
    co_return co_await choose(QStringLiteral("Export filter file"), FilterFileFilter,
                              QFileDialog::AcceptSave);
}

QCoro::Task<QString> PresetDialogs::browseMeasurementFile()
{
    co_return co_await choose(QStringLiteral("Load measurement"), MeasurementFilter,
                              QFileDialog::AcceptOpen);
}

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
    co_return co_await choose(openTitle(), filter(), QFileDialog::AcceptOpen);
}

QCoro::Task<QString> PresetDialogs::ChoosePresetSaveFile()
{
    co_return co_await choose(saveTitle(), filter(), QFileDialog::AcceptSave);
}

QCoro::Task<QString> PresetDialogs::browseFilterFile()
{
    co_return co_await choose(QCoreApplication::translate("PresetDialogs", "Import filter file"),
                              filterFileFilter(), QFileDialog::AcceptOpen);
}

QCoro::Task<QString> PresetDialogs::chooseFilterSaveFile()
{
    co_return co_await choose(QCoreApplication::translate("PresetDialogs", "Export filter file"),
                              filterFileFilter(), QFileDialog::AcceptSave);
}

QCoro::Task<QString> PresetDialogs::browseMeasurementFile()
{
    co_return co_await choose(QCoreApplication::translate("PresetDialogs", "Load measurement"),
                              measurementFilter(), QFileDialog::AcceptOpen);
}

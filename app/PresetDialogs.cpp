#include "PresetDialogs.h"

#include "DialogResult.h"

#include <QCoreApplication>
#include <QStandardPaths>

PresetDialogs::PresetDialogs()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                 QCoreApplication::applicationName())
    , m_folder(m_settings, QCoreApplication::applicationDirPath(),
               QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{}

QCoro::Task<QString> PresetDialogs::BrowsePresetFile()
{
    co_return co_await choose(OpenTitle, QFileDialog::AcceptOpen);
}

QCoro::Task<QString> PresetDialogs::ChoosePresetSaveFile()
{
    // The dialog asks before it overwrites a file.
    co_return co_await choose(SaveTitle, QFileDialog::AcceptSave);
}

QCoro::Task<QString> PresetDialogs::choose(QString title, QFileDialog::AcceptMode mode)
{
    auto* dialog = new QFileDialog(m_owner, title, m_folder.startFolder(), Filter);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    const int result = co_await DialogResult(dialog);
    const QString file = result == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
    m_folder.remember(file);
    co_return file;
}

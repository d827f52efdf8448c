#include "PresetDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

QString PresetDialogs::BrowsePresetFile()
{
    return QFileDialog::getOpenFileName(m_owner, OpenTitle, QCoreApplication::applicationDirPath(),
                                        Filter);
}

QString PresetDialogs::ChoosePresetSaveFile()
{
    // The dialog asks before it overwrites a file.
    return QFileDialog::getSaveFileName(m_owner, SaveTitle, QCoreApplication::applicationDirPath(),
                                        Filter);
}

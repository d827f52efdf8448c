#pragma once

#include "FileChooser.h"
#include "PresetFolder.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QSettings>

class QWidget;

// The window's file dialogs: presets ("*.PA"), filter files and measurements, starting where the
// user last took or left a file (see PresetFolder).
class PresetDialogs : public FileChooser
{
public:
    static QString filter()
    {
        return QCoreApplication::translate("PresetDialogs", "Preset file (*.PA)");
    }
    static QString openTitle()
    {
        return QCoreApplication::translate("PresetDialogs", "Browse Preset file");
    }
    static QString saveTitle()
    {
        return QCoreApplication::translate("PresetDialogs", "Save Preset file");
    }
    static QString filterFileFilter()
    {
        return QCoreApplication::translate("PresetDialogs", "Filter file (*.txt);;All files (*)");
    }
    static QString measurementFilter()
    {
        return QCoreApplication::translate("PresetDialogs",
                                           "Measurement (*.txt *.csv *.frd);;All files (*)");
    }

    PresetDialogs();

    // The window the dialogs belong to.
    void setOwner(QWidget* owner) { m_owner = owner; }

    QCoro::Task<QString> BrowsePresetFile() override;
    QCoro::Task<QString> ChoosePresetSaveFile() override;
    QCoro::Task<QString> browseFilterFile() override;
    QCoro::Task<QString> chooseFilterSaveFile() override;
    QCoro::Task<QString> browseMeasurementFile() override;

private:
    QCoro::Task<QString> choose(QString title, QString filter, QFileDialog::AcceptMode mode);

    QWidget* m_owner = nullptr;
    QSettings m_settings;
    PresetFolder m_folder;
};

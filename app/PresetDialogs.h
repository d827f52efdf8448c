#pragma once

#include "FileChooser.h"
#include "PresetFolder.h"

#include <QFileDialog>
#include <QSettings>

class QWidget;

// The window's file dialogs: presets ("*.PA"), filter files and measurements, starting where the
// user last took or left a file (see PresetFolder).
class PresetDialogs : public FileChooser
{
public:
    static inline const QString Filter = QStringLiteral("Preset file (*.PA)");
    static inline const QString OpenTitle = QStringLiteral("Browse Preset file");
    static inline const QString SaveTitle = QStringLiteral("Save Preset file");
    static inline const QString FilterFileFilter =
        QStringLiteral("Filter file (*.txt);;All files (*)");
    static inline const QString MeasurementFilter =
        QStringLiteral("Measurement (*.txt *.csv *.frd);;All files (*)");

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

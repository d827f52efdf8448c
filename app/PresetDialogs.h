#pragma once

#include "FileChooser.h"
#include "PresetFolder.h"

#include <QFileDialog>
#include <QSettings>

class QWidget;

// The preset file dialogs: "*.PA" files, starting where the user last took or left a preset
// (see PresetFolder).
class PresetDialogs : public FileChooser
{
public:
    static inline const QString Filter = QStringLiteral("Preset file (*.PA)");
    static inline const QString OpenTitle = QStringLiteral("Browse Preset file");
    static inline const QString SaveTitle = QStringLiteral("Save Preset file");

    PresetDialogs();

    // The window the dialogs belong to.
    void setOwner(QWidget* owner) { m_owner = owner; }

    QCoro::Task<QString> BrowsePresetFile() override;
    QCoro::Task<QString> ChoosePresetSaveFile() override;

private:
    QCoro::Task<QString> choose(QString title, QFileDialog::AcceptMode mode);

    QWidget* m_owner = nullptr;
    QSettings m_settings;
    PresetFolder m_folder;
};

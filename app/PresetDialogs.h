#pragma once

#include "FileChooser.h"

class QWidget;

// The preset file dialogs: "*.PA" files, starting in the program's own folder.
class PresetDialogs : public FileChooser
{
public:
    static inline const QString Filter = QStringLiteral("Preset file (*.PA)");
    static inline const QString OpenTitle = QStringLiteral("Browse Preset file");
    static inline const QString SaveTitle = QStringLiteral("Save Preset file");

    // The window the dialogs belong to.
    void setOwner(QWidget* owner) { m_owner = owner; }

    QString BrowsePresetFile() override;
    QString ChoosePresetSaveFile() override;

private:
    QWidget* m_owner = nullptr;
};

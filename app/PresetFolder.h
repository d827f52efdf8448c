#pragma once

#include <QString>

class QSettings;

// Where the preset file dialogs start: the folder the user last took a preset from or saved one
// to; before that the program's directory when the user may write there, otherwise the user's
// documents folder. Installed, the program lives in /usr/bin, where no user keeps presets.
class PresetFolder
{
public:
    static inline const QString SettingsKey = QStringLiteral("presets/lastFolder");

    PresetFolder(QSettings& settings, QString programDirectory, QString documentsDirectory);

    QString startFolder() const;
    // The folder of a file the user chose; an empty name (a cancelled dialog) changes nothing.
    void remember(const QString& chosenFile);

private:
    QSettings& m_settings;
    QString m_programDirectory;
    QString m_documentsDirectory;
};

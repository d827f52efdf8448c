#pragma once

#include <QString>

// Asks the user for a preset file; empty text when cancelled. The window uses the platform's file
// dialogs; tests answer themselves.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString BrowsePresetFile() = 0;
    virtual QString ChoosePresetSaveFile() = 0;
};

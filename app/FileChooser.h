#pragma once

#include <QString>

// Asks the user for a file to read or to write: a preset, a filter file, a measurement; empty
// text when cancelled. The window uses the platform's file dialogs; tests answer themselves.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString BrowsePresetFile() = 0;
    virtual QString ChoosePresetSaveFile() = 0;
    virtual QString BrowseFilterFile() = 0;
    virtual QString ChooseFilterSaveFile() = 0;
    // A measured response, or a target curve of the same kind.
    virtual QString BrowseMeasurementFile() = 0;
};

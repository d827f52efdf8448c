#pragma once

#include <QCoro/QCoroTask>
#include <QString>

// Asks the user for a file to read or to write: a preset, a filter file, a measurement; completes
// with the file, empty when cancelled. The window uses file dialogs of its own, opened
// window-modal; tests answer themselves.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QCoro::Task<QString> BrowsePresetFile() = 0;
    virtual QCoro::Task<QString> ChoosePresetSaveFile() = 0;
    virtual QCoro::Task<QString> browseFilterFile() = 0;
    virtual QCoro::Task<QString> chooseFilterSaveFile() = 0;
    // A measured response, or a target curve of the same kind.
    virtual QCoro::Task<QString> browseMeasurementFile() = 0;
};

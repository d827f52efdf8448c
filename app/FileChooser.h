#pragma once

#include <QCoro/QCoroTask>
#include <QString>

// Asks the user for a preset file; completes with the file, empty when cancelled. The window uses
// file dialogs of its own, opened window-modal; tests answer themselves.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QCoro::Task<QString> BrowsePresetFile() = 0;
    virtual QCoro::Task<QString> ChoosePresetSaveFile() = 0;
};

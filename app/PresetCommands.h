#pragma once

#include "PartialUpload.h"

#include <QCoro/QCoroTask>
#include <QString>

class BulkTransfer;
class FileChooser;
struct MainWindowContext;

// The upload, save and import buttons: the whole store to the processor, to a preset file, and
// from a preset file back into the store, the window and the processor.
class PresetCommands
{
public:
    PresetCommands(MainWindowContext& context, BulkTransfer& bulk, FileChooser& files);

    void attach();

    QCoro::Task<> upload();
    QCoro::Task<> save();
    QCoro::Task<> import();

private:
    bool linkFree() const;
    void sayIfPartial(PartialUpload::Source source, const QString& advice);

    MainWindowContext& m_context;
    BulkTransfer& m_bulk;
    FileChooser& m_files;
};

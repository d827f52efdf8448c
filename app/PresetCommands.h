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
    static constexpr int NoticeMs = 20000;

    PresetCommands(MainWindowContext& context, BulkTransfer& bulk, FileChooser& files);

    void attach();

    // Then reads the processor back (UploadCheck) and says what it did not keep; true when it
    // holds everything.
    QCoro::Task<bool> upload();
    QCoro::Task<> save();
    QCoro::Task<> import();

private:
    bool linkFree() const;
    void sayIfPartial(PartialUpload::Source source, const QString& advice);
    QCoro::Task<bool> checkUpload();
    // One line along the window's bottom edge; an empty text takes it away.
    void showNotice(const QString& text);

    MainWindowContext& m_context;
    BulkTransfer& m_bulk;
    FileChooser& m_files;
};

#pragma once

#include "PartialUpload.h"
#include "RefreshFlags.h"

#include <QCoro/QCoroTask>
#include <QString>

class BulkTransfer;
class DeviceLink;
class FileChooser;
class ParamModel;
class QLabel;
class QWidget;
class SimpControl;
class UndoHistory;
class UserMessages;
struct MainWindowControls;

// The upload, save and import buttons: the whole store to the processor, to a preset file, and
// from a preset file back into the store, the window and the processor.
class PresetCommands
{
public:
    static constexpr int NoticeMs = 20000;

    // The three buttons, and the line along the bottom edge that says what an import changed.
    struct Controls
    {
        SimpControl* uploadButton;
        SimpControl* saveButton;
        SimpControl* importButton;
        QLabel* noticeLine;

        static Controls of(const MainWindowControls& c);
    };

    // lockAddress: the panel lock's address, which an import's notice speaks of.
    PresetCommands(ParamModel& model, int lockAddress, UndoHistory& undo, ControlsRefresh refresh,
                   DeviceLink& link, BulkTransfer& bulk, FileChooser& files, UserMessages& messages,
                   QWidget& window, Controls controls);

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

    ParamModel& m_model;
    int m_lockAddress;
    UndoHistory& m_undo;
    ControlsRefresh m_refresh;
    DeviceLink& m_link;
    BulkTransfer& m_bulk;
    FileChooser& m_files;
    UserMessages& m_messages;
    QWidget& m_window;
    Controls m_controls;
};

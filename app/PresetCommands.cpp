#include "PresetCommands.h"

#include "BulkTransfer.h"
#include "DeviceLink.h"
#include "FileChooser.h"
#include "ImportPreset.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "PartialUpload.h"
#include "SavePreset.h"
#include "SimpControl.h"
#include "UndoHistory.h"

#include <QApplication>
#include <QWidget>

PresetCommands::PresetCommands(MainWindowContext& context, BulkTransfer& bulk, FileChooser& files)
    : m_context(context)
    , m_bulk(bulk)
    , m_files(files)
{}

void PresetCommands::attach()
{
    MainWindowControls& c = m_context.controls;
    QObject* owner = &m_context.window;
    QObject::connect(c.btnUpload, &SimpControl::Click, owner, [this] { upload(); });
    QObject::connect(c.btnSave, &SimpControl::Click, owner, [this] { save(); });
    QObject::connect(c.btnImport, &SimpControl::Click, owner, [this] { import(); });
}

bool PresetCommands::linkFree() const
{
    // A transfer cannot start while another send waits for its reply; refused before anything
    // changes, as undo and redo are, rather than changing the store the processor then never
    // gets.
    if (m_context.online() && m_context.link.isBusy()) {
        QApplication::beep();
        return false;
    }
    return true;
}

QCoro::Task<> PresetCommands::upload()
{
    if (linkFree()) {
        co_await m_bulk.UploadAll(false);
        sayIfPartial(PartialUpload::Source::Window, QStringLiteral("Upload again."));
    }
}

void PresetCommands::sayIfPartial(PartialUpload::Source source, const QString& advice)
{
    // The link has said why it stopped; this says what the processor now holds.
    if (const QString partial = PartialUpload::message(m_bulk.blocksWritten(), source, advice);
        !partial.isEmpty()) {
        m_context.messages.showMessage(UserMessages::Icon::Critical, partial);
    }
}

QCoro::Task<> PresetCommands::save()
{
    SavePreset(co_await m_files.ChoosePresetSaveFile(), m_context.model, m_context.messages);
}

QCoro::Task<> PresetCommands::import()
{
    if (!linkFree()) {
        co_return;
    }
    const QString path = co_await m_files.BrowsePresetFile();
    // The link may have become busy while the dialog was open (a reconnection's sync).
    if (path.isEmpty() || !linkFree()) {
        co_return;
    }
    const ImportResult result = ImportPreset(path, m_context.model, m_context.messages).result;
    if (result == ImportResult::Imported) {
        m_context.RefreshControls(MainWindowContext::Everything, MainWindowContext::AllAddresses);
    }
    if (result == ImportResult::Imported || result == ImportResult::Failed) {
        m_context.undo.UndoRedoInit();
    }
    if (result == ImportResult::Imported && m_context.online()) {
        co_await m_bulk.UploadAll(true);
        sayIfPartial(PartialUpload::Source::Preset, QStringLiteral("Import the preset again."));
    }
}

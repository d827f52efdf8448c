#include "PresetCommands.h"

#include "BulkTransfer.h"
#include "DeviceLink.h"
#include "FileChooser.h"
#include "ImportNotice.h"
#include "ImportPreset.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "PartialUpload.h"
#include "ReadBackReport.h"
#include "RefreshFlags.h"
#include "SavePreset.h"
#include "SimpControl.h"
#include "UndoHistory.h"
#include "UploadCheck.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <utility>

PresetCommands::Controls PresetCommands::Controls::of(const MainWindowControls& c)
{
    return {c.uploadButton, c.saveButton, c.importButton, c.noticeLine};
}

PresetCommands::PresetCommands(ParamModel& model, int lockAddress, UndoHistory& undo,
                               ControlsRefresh refresh, DeviceLink& link, BulkTransfer& bulk,
                               FileChooser& files, UserMessages& messages, QWidget& window,
                               Controls controls)
    : m_model(model)
    , m_lockAddress(lockAddress)
    , m_undo(undo)
    , m_refresh(std::move(refresh))
    , m_link(link)
    , m_bulk(bulk)
    , m_files(files)
    , m_messages(messages)
    , m_window(window)
    , m_controls(controls)
{}

void PresetCommands::attach()
{
    // Each connection lives as long as the button it comes from.
    const Controls& c = m_controls;
    QObject::connect(c.uploadButton, &SimpControl::Click, c.uploadButton, [this] { upload(); });
    QObject::connect(c.saveButton, &SimpControl::Click, c.saveButton, [this] { save(); });
    QObject::connect(c.importButton, &SimpControl::Click, c.importButton, [this] { import(); });
}

bool PresetCommands::linkFree() const
{
    // A transfer cannot start while another send waits for its reply; refused before anything
    // changes, as undo and redo are, rather than changing the store the processor then never
    // gets.
    if (m_link.isOnline() && m_link.isBusy()) {
        QApplication::beep();
        return false;
    }
    return true;
}

QCoro::Task<bool> PresetCommands::upload()
{
    if (!linkFree()) {
        co_return false;
    }
    co_await m_bulk.UploadAll(false);
    sayIfPartial(PartialUpload::Source::Window,
                 QCoreApplication::translate("PresetCommands", "Upload again."));
    const bool kept = co_await checkUpload();
    co_return kept;
}

QCoro::Task<bool> PresetCommands::checkUpload()
{
    if (!m_bulk.completed()) {
        co_return false;
    }
    m_window.setEnabled(false);
    const UploadCheck::Result check = co_await UploadCheck(m_link).run();
    m_window.setEnabled(true);
    if (!check.remaining.isEmpty()) {
        // The store has taken what the processor holds, and the bound controls show it; the
        // band list and curve are drawn from it.
        m_refresh(Refresh::BandList | Refresh::Curve);
        m_messages.showMessage(UserMessages::Icon::Exclamation,
                               ReadBackReport::message(check.remaining));
    }
    co_return check.completed&& check.remaining.isEmpty();
}

void PresetCommands::showNotice(const QString& text)
{
    QLabel* line = m_controls.noticeLine;
    line->setWordWrap(false);
    line->setText(text);
    line->setVisible(!text.isEmpty());
    // Said once, not kept: the line goes after a while, or with the next import.
    QTimer::singleShot(NoticeMs, line, [line, text] {
        if (line->text() == text) {
            line->hide();
        }
    });
}

void PresetCommands::sayIfPartial(PartialUpload::Source source, const QString& advice)
{
    // The link has said why it stopped; this says what the processor now holds.
    if (const QString partial = PartialUpload::message(m_bulk.blocksWritten(), source, advice);
        !partial.isEmpty()) {
        m_messages.showMessage(UserMessages::Icon::Critical, partial);
    }
}

QCoro::Task<> PresetCommands::save()
{
    SavePreset(co_await m_files.ChoosePresetSaveFile(), m_model, m_messages);
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
    const ParamModel before = m_model;
    const ImportResult result = ImportPreset(path, m_model, m_messages).result;
    if (result == ImportResult::Imported) {
        showNotice(ImportNotice::text(before, m_model, m_lockAddress));
    }
    if (result == ImportResult::Imported || result == ImportResult::Failed) {
        m_undo.UndoRedoInit();
    }
    if (result == ImportResult::Imported && m_link.isOnline()) {
        co_await m_bulk.UploadAll(true);
        sayIfPartial(PartialUpload::Source::Preset,
                     QCoreApplication::translate("PresetCommands", "Import the preset again."));
        co_await checkUpload();
    }
}

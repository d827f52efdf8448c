#include "ReconnectPrompt.h"

#include "ConnectionSupervisor.h"
#include "DialogResult.h"
#include "FileChooser.h"
#include "MainWindowContext.h"
#include "PresetCommands.h"
#include "ReconnectQuestion.h"
#include "RefreshFlags.h"
#include "SavePreset.h"
#include "UndoHistory.h"

#include <QWidget>

ReconnectPrompt::ReconnectPrompt(MainWindowContext& context, ConnectionSupervisor& supervisor,
                                 PresetCommands& presets, FileChooser& files)
    : m_context(context)
    , m_supervisor(supervisor)
    , m_presets(presets)
    , m_files(files)
{}

void ReconnectPrompt::attach()
{
    m_supervisor.trackOfflineEdits(true);
    QObject::connect(&m_supervisor, &ConnectionSupervisor::offlineEditsDiffer, &m_context.window,
                     [this](const QList<SettingDifference>& differences) { ask(differences); });
}

QCoro::Task<> ReconnectPrompt::ask(QList<SettingDifference> differences)
{
    using Choice = ReconnectQuestion::Choice;
    for (;;) {
        auto* question = new ReconnectQuestion(differences, &m_context.window);
        question->setAttribute(Qt::WA_DeleteOnClose);
        co_await DialogResult(question);
        const Choice choice = question->choice();
        if (choice == Choice::None) {
            co_return;
        }
        if (choice == Choice::SendMine) {
            m_supervisor.takeMine();
            m_context.undo.UndoRedoInit();
            const bool kept = co_await m_presets.upload();
            if (kept) {
                m_supervisor.offlineEditsSent();
            }
            co_return;
        }
        if (choice == Choice::SaveMineFirst) {
            const QString path = co_await m_files.ChoosePresetSaveFile();
            // Nothing saved, nothing taken: the question comes back.
            if (path.isEmpty() || !SavePreset(path, m_context.model, m_context.messages)) {
                continue;
            }
        }
        co_await m_supervisor.takeProcessors();
        co_return;
    }
}

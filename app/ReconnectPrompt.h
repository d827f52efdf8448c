#pragma once

#include "SettingDifferences.h"

#include <QCoro/QCoroTask>

class ConnectionSupervisor;
class FileChooser;
class PresetCommands;
struct MainWindowContext;

// The window's side of offline edits: when a processor answers again and holds settings edited
// without it otherwise, asks what to do (ReconnectQuestion, window-modal; the link stays
// supervised meanwhile) and does it: an upload of mine, read back; the processor's settings; or a
// preset of mine first (asked again when no preset was written), then the processor's.
class ReconnectPrompt
{
public:
    ReconnectPrompt(MainWindowContext& context, ConnectionSupervisor& supervisor,
                    PresetCommands& presets, FileChooser& files);

    void attach();

private:
    QCoro::Task<> ask(QList<SettingDifference> differences);

    MainWindowContext& m_context;
    ConnectionSupervisor& m_supervisor;
    PresetCommands& m_presets;
    FileChooser& m_files;
};

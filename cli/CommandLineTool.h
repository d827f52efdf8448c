#pragma once

#include "CliOptions.h"
#include "UploadCheck.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>

class DeviceSession;
class RoomEqCommands;

// tonvexa-cli: the processor link, presets and the simulated processor without a window.
// Results go to standard output, messages to standard error.
class CommandLineTool
{
public:
    enum ExitCode
    {
        Success = 0,
        Failure = 1,
        BadUsage = 2
    };

    CommandLineTool(QTextStream& out, QTextStream& err);

    // words: the command line without the program name.
    int run(const QStringList& words);
    // The state file of the simulated processor when --simulate names none; without one it
    // starts fresh and keeps nothing.
    void setDefaultSimulatorState(const QString& path) { m_defaultSimulatorState = path; }

private:
    struct Command
    {
        const char* name;
        const char* synopsis;
        const char* description;
        int minArguments;
        int maxArguments;
        int (CommandLineTool::*handler)(const QStringList& arguments);
    };
    static const QList<Command>& commands();

    int printUsage();
    int printCommandHelp(const Command& command);
    int badUsage(const QString& message);
    std::optional<int> parseNumber(const QString& text, int max, const char* what);

    int devicesCommand(const QStringList& arguments);
    int frameCommand(const QStringList& arguments);
    int sendCommand(const QStringList& arguments);
    int getCommand(const QStringList& arguments);
    int setCommand(const QStringList& arguments);
    int backupCommand(const QStringList& arguments);
    int restoreCommand(const QStringList& arguments);
    int verifyCommand(const QStringList& arguments);
    // What the read-back after an upload found, on standard error; true when nothing differs.
    bool reportCheck(const UploadCheck::Result& check);
    int showCommand(const QStringList& arguments);
    int diffCommand(const QStringList& arguments);
    int menushowCommand(const QStringList& arguments);
    int curveCommand(const QStringList& arguments);
    int eqExportCommand(const QStringList& arguments);
    int eqImportCommand(const QStringList& arguments);
    int eqFitCommand(const QStringList& arguments);
    // The eq commands, whose sessions read the processor whole first.
    RoomEqCommands roomEq();

    // Opens a session with the processor, runs body and closes the session again (the
    // simulator's state file is written back then). failureCode when the session cannot open or
    // close.
    int withSession(const std::function<int(DeviceSession&)>& body, int failureCode = Failure);
    // The bare handshake frame; false (said why) when the processor does not answer it.
    bool bareHandshake(DeviceSession& session);
    // The full handshake and synchronisation; false (said why) unless the link is online after.
    bool fullHandshake(DeviceSession& session);
    // MODE ADDRESS of get and set: the address must lie in a parameter block; a common address
    // is always addressed in mode 0.
    std::optional<QPair<int, int>> parseModeAndAddress(const QStringList& arguments);

    // TYPE MODE ADDRESS [VALUE], checked the same way for frame and send.
    struct FrameRequest
    {
        int type, mode, address, value;
    };
    std::optional<FrameRequest> parseFrameRequest(const QStringList& arguments);

    QTextStream& m_out;
    QTextStream& m_err;
    CliOptions m_options;
    QString m_defaultSimulatorState;
};

#pragma once

#include "CliOptions.h"
#include "Frames.h"
#include "UploadCheck.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>

class DeviceSession;
class RoomEqCommands;

// tonvexa-cli: the processor link, presets and the simulated processor without a window.
// Results go to standard output, messages to standard error. A command is a coroutine that
// completes with the exit status; its exchanges with the processor run on the application's
// event loop.
class CommandLineTool
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineTool)

public:
    enum ExitCode
    {
        Success = 0,
        Failure = 1,
        BadUsage = 2
    };

    CommandLineTool(QTextStream& out, QTextStream& err);

    // words: the command line without the program name. The tool lives until the run ends.
    QCoro::Task<int> run(QStringList words);
    // The state file of the simulated processor when --simulate names none; without one it
    // starts fresh and keeps nothing.
    void setDefaultSimulatorState(const QString& path) { m_defaultSimulatorState = path; }

private:
    struct Command
    {
        const char* name;
        const char* synopsis;
        QString description;
        int minArguments;
        int maxArguments;
        QCoro::Task<int> (CommandLineTool::*handler)(const QStringList& arguments);
    };
    static const QList<Command>& commands();

    int printUsage();
    int printCommandHelp(const Command& command);
    int badUsage(const QString& message);
    std::optional<int> parseNumber(const QString& text, int max, const char* what);

    QCoro::Task<int> devicesCommand(const QStringList& arguments);
    QCoro::Task<int> frameCommand(const QStringList& arguments);
    QCoro::Task<int> sendCommand(const QStringList& arguments);
    QCoro::Task<int> getCommand(const QStringList& arguments);
    QCoro::Task<int> setCommand(const QStringList& arguments);
    QCoro::Task<int> backupCommand(const QStringList& arguments);
    QCoro::Task<int> restoreCommand(const QStringList& arguments);
    QCoro::Task<int> verifyCommand(const QStringList& arguments);
    // What the read-back after an upload found, on standard error; true when nothing differs.
    bool reportCheck(const UploadCheck::Result& check);
    QCoro::Task<int> showCommand(const QStringList& arguments);
    QCoro::Task<int> diffCommand(const QStringList& arguments);
    QCoro::Task<int> menushowCommand(const QStringList& arguments);
    QCoro::Task<int> curveCommand(const QStringList& arguments);
    QCoro::Task<int> eqExportCommand(const QStringList& arguments);
    QCoro::Task<int> eqImportCommand(const QStringList& arguments);
    QCoro::Task<int> eqFitCommand(const QStringList& arguments);
    // The eq commands, whose sessions read the processor whole first.
    RoomEqCommands roomEq();

    // Opens a session with the processor, runs body and closes the session again (the
    // simulator's state file is written back then). failureCode when the session cannot open or
    // close.
    using SessionBody = std::function<QCoro::Task<int>(DeviceSession&)>;
    QCoro::Task<int> withSession(SessionBody body, int failureCode = Failure);
    // The bare handshake frame; false (said why) when the processor does not answer it.
    QCoro::Task<bool> bareHandshake(DeviceSession& session);
    // The full handshake and synchronisation; false (said why) unless the link is online after.
    QCoro::Task<bool> fullHandshake(DeviceSession& session);
    // body, once the full handshake has read everything from the processor; a failure without.
    QCoro::Task<int> afterFullHandshake(DeviceSession& session, SessionBody body);
    // MODE ADDRESS of get and set: the address must lie in a parameter block; a common address
    // is always addressed in mode 0.
    std::optional<QPair<int, int>> parseModeAndAddress(const QStringList& arguments);

    // TYPE MODE ADDRESS [VALUE], checked the same way for frame and send.
    struct FrameRequest
    {
        Frames::Type type;
        int mode;
        ParamAddress address;
        int value;
    };
    std::optional<FrameRequest> parseFrameRequest(const QStringList& arguments);

    QTextStream& m_out;
    QTextStream& m_err;
    CliOptions m_options;
    QString m_defaultSimulatorState;
};

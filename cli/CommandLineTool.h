#pragma once

#include "CliOptions.h"

#include <QStringList>
#include <QTextStream>
#include <memory>
#include <optional>

class DeviceSession;

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

    // A session with the processor after a successful bare handshake frame; null (the failure
    // already reported) otherwise.
    std::unique_ptr<DeviceSession> connectBare();
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
};

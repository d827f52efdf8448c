#pragma once

#include "CliOptions.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

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

    int frameCommand(const QStringList& arguments);
    int sendCommand(const QStringList& arguments);

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

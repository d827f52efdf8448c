#pragma once

#include "SimFaultPlan.h"

#include <QString>
#include <QStringList>
#include <optional>

// The global options and the command of one tonvexa-cli run.
struct CliOptions
{
    bool simulate = false;
    QString simulatorState; // --simulate=STATE.PA
    SimFaultPlan faults;    // --simulate-faults=FAULTS (implies --simulate)
    bool log = false;
    static constexpr double MaxTimeoutScale = 100;
    double timeoutScale = 1.0;
    bool help = false;
    QString command;
    QStringList arguments;

    // Options come before the command; the first word that is not an option is the command.
    // Nothing, with the reason in error, when an option is unknown or malformed.
    static std::optional<CliOptions> parse(const QStringList& words, QString& error);
};

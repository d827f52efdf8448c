#pragma once

#include "CookbookFilter.h"

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

class DeviceSession;
class GroupBands;
struct Wish;

// The room-EQ commands of tonvexa-cli: a group's bands out as filter text, and a filter file or
// a measured room fitted onto a group's grid and written to the processor. Files are read and
// usage checked before the processor is touched. connected runs a body on a session whose
// store holds everything the processor has (its exit status, or a failure when the processor
// cannot be read); badUsage says what is wrong with the command line and gives its status.
// Every command is a coroutine completed with its exit status.
class RoomEqCommands
{
    Q_DECLARE_TR_FUNCTIONS(RoomEqCommands)

public:
    using Body = std::function<QCoro::Task<int>(DeviceSession&)>;
    using Connected = std::function<QCoro::Task<int>(Body)>;
    using BadUsage = std::function<int(const QString&)>;

    static const char* const ExportSynopsis;
    static const char* const ExportHelp;
    static const char* const ImportSynopsis;
    static const char* const ImportHelp;
    static const char* const FitSynopsis;
    static const char* const FitHelp;

    RoomEqCommands(QTextStream& out, QTextStream& err, Connected connected, BadUsage badUsage);

    // The arguments after "eq export", "eq import" and "eq fit".
    QCoro::Task<int> exportCommand(QStringList arguments);
    QCoro::Task<int> importCommand(QStringList arguments);
    QCoro::Task<int> fitCommand(QStringList arguments);

private:
    QCoro::Task<int> exportGroup(int mode, int group);
    QCoro::Task<int> importFile(QString path, int mode, int group, bool dryRun);
    // target: a curve of the measurement's kind, or empty for a flat one.
    QCoro::Task<int> fitMeasurement(QString path, QString target, int mode, int group, bool dryRun);
    // MODE GROUP; nothing when either is bad (said so).
    std::optional<QPair<int, int>> modeAndGroup(const QString& mode, const QString& group);
    // Fits the wish onto the group, prints every band before and after and the deviation, and
    // unless dryRun writes the bands that changed.
    QCoro::Task<int> fitAndWrite(Wish wish, FilterList seed, int mode, int group, bool dryRun);
    void printBands(const GroupBands& before, const GroupBands& after);
    int fileFailed(const QString& path, const QString& reason);

    // The only part that talks to the processor: stores the bands that changed and sends each
    // of their addresses; false when a send fails (the link has said why).
    static QCoro::Task<bool> writeChanges(DeviceSession& session, int mode,
                                          const GroupBands& before, const GroupBands& after);

    QTextStream& m_out;
    QTextStream& m_err;
    Connected m_connected;
    BadUsage m_badUsage;
};

#pragma once

#include "SimFault.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <chrono>
#include <optional>

class SimProcessor;

// Faults for the simulated processor to inject, given on the command line of both programs as
// --simulate-faults=FAULTS: comma-separated KIND@FRAME or KIND@FIRST-LAST, frames counted from 1
// in the order the processor receives them (handshakes and retries included), for example
// "silence@5,noise@12,corruptdata@20-24". An unplugged processor comes back after a few
// seconds, as if it were plugged in again; a lost write leaves the memory as it was, so only
// reading it back tells.
class SimFaultPlan
{
    Q_DECLARE_TR_FUNCTIONS(SimFaultPlan)

public:
    static constexpr std::chrono::milliseconds ReplugDelay{3000};
    // The one kind whose name does not say what it does, for the help texts.
    static constexpr char LostWriteNote[] = QT_TRANSLATE_NOOP(
        "SimFaultPlan", "lostwrite answers a write as usual but keeps the old value");
    static QString lostWriteNote() { return tr(LostWriteNote); }

    struct Entry
    {
        SimFault fault;
        int firstFrame;
        int lastFrame;
    };

    // Nothing, with the reason in error, for a list that does not read.
    static std::optional<SimFaultPlan> parse(QStringView faults, QString& error);
    // The kinds as the option names them, for help texts; one kind's name (empty for None).
    static QString kindNames();
    static QString kindName(SimFault fault);

    const QList<Entry>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void applyTo(SimProcessor& processor) const;

private:
    QList<Entry> m_entries;
};

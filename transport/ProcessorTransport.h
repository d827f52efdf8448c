#pragma once

#include "HidDeviceInfo.h"
#include "StateFileLock.h"

#include <QList>
#include <QString>
#include <memory>

class ParamModel;
class SimProcessor;
class USB_Comm;
class UserMessages;

// The processor a program talks to: the real one on USB, found by its ids, or the simulated one,
// whose memory can live in a state file between runs. The transport's failure texts reach the
// user through the given messages.
class ProcessorTransport
{
public:
    // stateFile: only with simulate; empty for a fresh simulated processor every run.
    ProcessorTransport(bool simulate, const QString& stateFile, UserMessages& messages);
    ~ProcessorTransport();

    // Locks the state file for as long as this transport lives (waiting up to lockWait for
    // another program to let go) and loads the simulated processor's memory from it; false (said
    // why) when the file is in use, is not a regular file, or cannot be read. A missing file is a
    // factory-fresh processor.
    bool loadState(std::chrono::milliseconds lockWait = StateFileLock::DefaultWait);
    // Writes the simulated processor's memory back when it differs from what the file has (a
    // command that only reads leaves the file as it was); false (said why) when that fails.
    bool saveState();
    // The same, only when a frame has written the memory since it was loaded or last written
    // (true when there is nothing to write); a failure is said only when sayFailure.
    bool saveChangedState(bool sayFailure = true);

    // The processors a program would find: the simulated one, or those on USB.
    static QList<HidDeviceInfo> present(bool simulate);

    USB_Comm& transport() { return *m_transport; }
    // Null for the real processor.
    SimProcessor* simulator() { return m_simulator.get(); }

private:
    QString m_stateFile;
    UserMessages& m_messages;
    std::unique_ptr<StateFileLock> m_lock;
    std::unique_ptr<SimProcessor> m_simulator;
    std::unique_ptr<ParamModel> m_savedMemory; // as the state file has it
    std::unique_ptr<USB_Comm> m_transport;
    bool m_unsaved = false;
};

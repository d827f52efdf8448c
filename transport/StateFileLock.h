#pragma once

#include <QLockFile>
#include <QString>

// Keeps a simulator state file to one program at a time, from before its memory is read until
// after it has been written back, so that two runs never both read the same memory and the one
// that writes last loses nothing the other reported as done. The lock is a file beside the state
// file ("STATE.PA.lock") naming the process that holds it; a lock left by a process that no
// longer runs is taken over.
class StateFileLock
{
public:
    // Long enough for a command of another tonvexa-cli to end, short enough to answer soon when
    // the window holds the file.
    static constexpr int DefaultWaitMs = 5000;

    explicit StateFileLock(const QString& stateFile);

    // Waits up to waitMs for another program to let go. False, with the reason in error (the
    // file and, when it can be told, the program that holds it), when it does not.
    bool acquire(int waitMs, QString& error);

private:
    QString m_stateFile;
    QLockFile m_lock;
};

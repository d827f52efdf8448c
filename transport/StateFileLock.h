#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

// Keeps a simulator state file to one program at a time, from before its memory is read until
// after it has been written back, so that two runs never both read the same memory and the one
// that writes last loses nothing the other reported as done. The lock is a file beside the state
// file ("STATE.PA.lock"), created exclusively, held with flock() for as long as the program runs
// and naming it (process id, program, host: the form QLockFile reads).
//
// A lock whose owner is not a live program on this host is taken over, whatever state a crash
// left it in: one naming a process that has ended (or ran before the last boot), and, once it
// has stayed so for a moment, an empty, cut-short, garbled or unreadable one, which a program
// leaves when it is killed between creating the file and writing its name. So are a symbolic
// link and an empty folder in its place, which no program makes. One held by a program on
// another host, or that cannot be removed, is named in the message with how to remove it.
class StateFileLock
{
public:
    // Long enough for a command of another tonvexa-cli to end, short enough to answer soon when
    // the window holds the file.
    static constexpr std::chrono::milliseconds DefaultWait{5000};
    // How long a lock that names nobody must stay so before it is taken over: a program that
    // runs names itself in its new lock within microseconds.
    static constexpr std::chrono::milliseconds UnnamedGrace{1000};

    explicit StateFileLock(const QString& stateFile);
    ~StateFileLock();
    StateFileLock(const StateFileLock&) = delete;
    StateFileLock& operator=(const StateFileLock&) = delete;

    // Waits up to wait (longer only to judge a lock that names nobody) for another program to
    // let go. False, with the reason in error (the file and, when it can be told, the program
    // that holds it, or how to remove a lock that cannot be taken over), when it does not.
    bool acquire(std::chrono::milliseconds wait, QString& error);

    // The lock file of a state file: beside the file the links lead to, so that two names of one
    // state file share one lock.
    static QByteArray lockPathOf(const QString& stateFile);

private:
    bool create(QString& error);

    QString m_stateFile;
    QByteArray m_lockPath;
    int m_fd = -1;
};

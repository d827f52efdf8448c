#pragma once

#include <QByteArray>
#include <QString>

// Path operations on names as bytes (see FileName), for the files the program reads, replaces and
// locks: QFileInfo and QDir would turn a name that is not UTF-8 into another one.
class LocalPath
{
public:
    // The path made absolute against the working directory; "." and ".." are kept.
    static QByteArray absolute(const QByteArray& path);
    // Every symbolic link resolved; empty when something on the way does not exist.
    static QByteArray canonical(const QByteArray& path);
    // The folder part ("." for a bare name) and the last part of a path.
    static QByteArray folderOf(const QByteArray& path);
    static QByteArray nameOf(const QByteArray& path);
    // Makes the folder and every missing folder above it; false with errno set when one cannot
    // be made.
    static bool makeFolders(const QByteArray& folder);
    // The name a file dialog meant. The dialogs see names through Qt, which shows every byte
    // that is not UTF-8 as U+FFFD; where such a name does not exist, the one entry of its folder
    // that Qt would show that way is the file the user picked. Unchanged when nothing, or more
    // than one entry, matches.
    static QString fromDialog(const QString& path);
    // Whether the process id names a process that runs on this machine.
    static bool processRuns(qint64 pid);
};

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Replaces a file's content as a whole. The bytes go to a temporary file beside it,
// "NAME.tonvexa-PID-XXXXXX.tmp", which is synced to the disk and renamed over the file; then the
// folder is synced too, so that after a crash or a power cut the file holds the old bytes or the
// new ones, never a mix, and a replacement that was reported stays. A temporary file of the same
// file left by a program that was killed (its process no longer runs) is removed at the next
// save. A symbolic link is kept: the file it leads to is replaced.
class ReplaceFile
{
public:
    // Empty text on success; otherwise the system's reason ("No space left on device"), and the
    // file is as it was.
    static QString write(const QString& path, QByteArrayView bytes);

    // The temporary files of the file folder/name whose programs no longer run, removed; how many.
    static int removeLeftovers(const QByteArray& folder, const QByteArray& name);

    // The name of a temporary file for name, made by process pid, before its random part.
    static QByteArray temporaryPrefix(const QByteArray& name, qint64 pid);
};

#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>

// Whether the program may keep a user's files in a folder: the user may create files there, and
// its permissions do not make it read-only for everyone (root may write anywhere, but nobody
// keeps presets or logs in a folder installed read-only).
inline bool isWritableFolder(const QString& directory)
{
    const QFileInfo folder(directory);
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return folder.isDir() && folder.isWritable() && (folder.permissions() & anyWrite);
}

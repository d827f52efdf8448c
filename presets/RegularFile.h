#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

// What a path names, for the files the program reads and replaces (presets, the simulator's
// state): only a regular file, reached through any number of symbolic links, is one. A named
// pipe would block the reader for ever, a device may never end, and a link that leads nowhere
// must not be taken for a missing file and replaced.
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)

public:
    enum class Status
    {
        Missing, // nothing at all: a file may be created there
        Regular,
        Refused, // something that is not a regular file, or cannot be reached; reason says which
    };

    struct Check
    {
        Status status;
        // For Missing and Refused, to follow a colon: "no such file", "it is a directory, not a
        // file", or the system's error.
        QString reason;
    };

    static Check check(const QString& path);

    // The bytes of a regular file of at most maxBytes (whole megabytes), or nullopt with the reason
    // in error (missing, not a regular file, unreadable, too large: a stray huge file must not
    // exhaust memory).
    static std::optional<QByteArray> read(const QString& path, qint64 maxBytes, QString& error);
    // The same, as UTF-8 text.
    static std::optional<QString> readText(const QString& path, qint64 maxBytes, QString& error);
    // Writes bytes to a temporary file beside path that then replaces it, so a failure leaves
    // the old file as it was; something at path that is not a regular file is left alone.
    // Returns the reason of a failure, or an empty text.
    static QString write(const QString& path, const QByteArray& bytes);
};

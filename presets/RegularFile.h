#pragma once

#include <QString>

// What a path names, for the files the program reads and replaces (presets, the simulator's
// state): only a regular file, reached through any number of symbolic links, is one. A named
// pipe would block the reader for ever, a device may never end, and a link that leads nowhere
// must not be taken for a missing file and replaced.
class RegularFile
{
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
};

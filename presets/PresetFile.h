#pragma once

#include "IniFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Whole-file access for preset files: one read and one write per file, never one per key.
class PresetFile
{
public:
    // Forty times a real preset (about 25 kB), low enough that a stray huge file cannot
    // exhaust memory (a file of nothing but blank lines costs about 40 bytes a byte held);
    // anything larger is not a preset.
    static constexpr qint64 MaxBytes = 1024 * 1024;

    // The file's bytes, or nullopt with the reason in error (missing, not a regular file,
    // unreadable, larger than MaxBytes).
    static std::optional<QByteArray> read(const QString& path, QString& error);

    enum class Existing
    {
        Merge,   // keys are overwritten in place, everything else in the file is kept
        Replace, // the file is written afresh
    };

    // Reads the file if it exists (to merge), lets fill change it, and replaces the file with the
    // result (ReplaceFile), so a failure anywhere leaves the old file as it was. Something at
    // path that is not a regular file is left alone and refused. Returns the reason of a
    // failure, or an empty text.
    static QString update(const QString& path, const std::function<void(IniFile&)>& fill,
                          Existing existing = Existing::Merge);
};

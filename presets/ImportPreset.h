#pragma once

#include "ParamModel.h"
#include "UserMessages.h"

#include <QString>

enum class ImportResult
{
    NoFile,     // empty path or no file there: nothing happened, nothing was said
    NotAPreset, // "Type" is not the preset tag: the store is untouched
    Failed,     // unreadable, or a key missing or bad: the store is untouched
    Imported,
};

struct ImportOutcome
{
    ImportResult result = ImportResult::NoFile;
    // Why an import failed, for whoever can show more than the program's message: the key and
    // its value, or the system's error.
    QString reason;
};

// Reads a preset file into the model. The whole file is read into a scratch copy first; only a
// file that reads completely replaces the store and menu-show flags. A failed import leaves the
// store as it was and says "Import failed!"; a file of another type says so.
//
// The caller finishes the import: after Imported it refreshes what shows the store, and after
// Imported or Failed it restarts the undo history; after Imported it uploads the store when the
// processor is online.
ImportOutcome ImportPreset(const QString& path, ParamModel& model, UserMessages& messages);

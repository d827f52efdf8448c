#pragma once

#include "ParamModel.h"
#include "PresetImportHooks.h"
#include "UserMessages.h"

#include <QString>

enum class ImportResult
{
    NoFile,     // empty path or no file there: nothing happened, nothing was said
    NotAPreset, // "Type" is not the preset tag: the store is untouched
    Failed,     // unreadable, or a key missing or bad: the store is untouched
    Imported,
};

// Reads a preset file into the model. The whole file is read into a scratch copy first; only a
// file that reads completely replaces the store and menu-show flags, after which the controls
// are refreshed and the store is uploaded when online. A failed import leaves store, window and
// processor as they were, says "Import failed!", and still restarts the undo history.
ImportResult ImportPreset(const QString& path, ParamModel& model, UserMessages& messages,
                          PresetImportHooks& hooks);

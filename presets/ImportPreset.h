#pragma once

#include "IniFile.h"
#include "ParamModel.h"
#include "UserMessages.h"

#include <QString>

// The program's own words when an import fails; the reason, where shown, follows them.
QString importFailedMessage();

enum class ImportResult
{
    NoFile,     // empty path or no regular file there: nothing happened, nothing was said
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

// Reads every preset key of the file into model (a scratch copy: it is partly written when a key
// fails). Empty text when all of them read; otherwise why the first one does not, for example
// "GROUP0.ADDR3.DATA1=abc is not a value from 0 to 255 other than 253 and 255".
QString readPresetKeys(const IniFile& ini, ParamModel& model);

// The text that says a key's value does not read, with both shown escaped (FileName::shown).
QString presetValueProblem(QByteArrayView key, QByteArrayView value);

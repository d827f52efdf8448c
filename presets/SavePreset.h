#pragma once

#include "ParamModel.h"
#include "PresetFile.h"
#include "UserMessages.h"

#include <QString>
#include <optional>

// The name a chosen save path gets: ".PA" is appended unless it already ends in ".pa" in any
// case ("live" -> "live.PA", "live.pa" stays, "live.txt" -> "live.txt.PA").
QString presetSavePath(const QString& chosenPath);

// Why a chosen name cannot be a preset's, to follow a colon: it names a folder ("d/", "..", an
// existing folder) or has nothing before the extension ("d/.PA"). Empty when it can be one.
QString presetNameProblem(const QString& chosenPath);

// Writes the model's parameters, common parameters and menu-show flags to the preset file at
// presetSavePath(chosenPath) and returns that path. Keys already in an existing file are
// overwritten in place; everything else in it is kept. An empty path writes nothing and says
// nothing; a name that cannot be a preset's (presetNameProblem) or a failed write says why,
// naming the file, and leaves an existing file unchanged.
// With Existing::Replace (a backup) an existing file is written afresh instead of merged.
std::optional<QString> SavePreset(const QString& chosenPath, const ParamModel& model,
                                  UserMessages& messages,
                                  PresetFile::Existing existing = PresetFile::Existing::Merge);

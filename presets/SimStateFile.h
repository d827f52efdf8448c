#pragma once

#include "ParamModel.h"
#include "UserMessages.h"

#include <QCoreApplication>
#include <QString>

// The simulated processor's memory kept in a file across runs of the command-line tool. The
// file is a preset (ImportPreset reads it) with one more section, [Simulator], for what a preset
// does not carry: the password, the common addresses 0xCE and 0xCF, the three fields of the
// bass band addresses in every mode, and menu-show flag 255.
class SimStateFile
{
    Q_DECLARE_TR_FUNCTIONS(SimStateFile)

public:
    static constexpr QByteArrayView Section = "Simulator";

    enum class LoadResult
    {
        Missing, // no file yet: the memory is untouched (a fresh device)
        Failed,  // said why; the memory is untouched
        Loaded,
    };

    // The device memory holds any byte it was sent, so values 253 and 255 are allowed here.
    // A file without [Simulator] loads as a preset; the values only that section carries keep
    // what the memory holds.
    static LoadResult load(const QString& path, ParamModel& memory, UserMessages& messages);
    static bool save(const QString& path, const ParamModel& memory, UserMessages& messages);
};

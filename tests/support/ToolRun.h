#pragma once

#include "CommandLineTool.h"

#include <QCoro/QCoroTask>
#include <QString>
#include <QStringList>
#include <QTextStream>

// One run of tonvexa-cli in the test's own process: its exit status and what it printed.
struct ToolRun
{
    int exitCode;
    QString out;
    QString err;

    static ToolRun of(const QStringList& words)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        CommandLineTool tool(outStream, errStream);
        const int code = QCoro::waitFor(tool.run(words));
        outStream.flush();
        errStream.flush();
        return {code, out, err};
    }
};

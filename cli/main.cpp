#include "CommandLineTool.h"
#include "DefaultSimState.h"
#include "FileName.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool(out, err);
    tool.setDefaultSimulatorState(DefaultSimState::path());
    // Taken from argv itself: file names reach the file system byte for byte (FileName).
    return tool.run(FileName::arguments(argc, argv).mid(1));
}

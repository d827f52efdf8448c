#include "CommandLineTool.h"
#include "DefaultSimState.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool(out, err);
    tool.setDefaultSimulatorState(DefaultSimState::path());
    return tool.run(app.arguments().mid(1));
}

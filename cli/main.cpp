#include "CommandLineTool.h"
#include "DefaultSimState.h"
#include "FileName.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

QCoro::Task<> runAndQuit(CommandLineTool& tool, QStringList words)
{
    QCoreApplication::exit(co_await tool.run(std::move(words)));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool(out, err);
    tool.setDefaultSimulatorState(DefaultSimState::path());
    // The command runs on the event loop, which its exchanges with the processor need; the loop
    // ends with the command's exit status. Its words are taken from argv itself: file names
    // reach the file system byte for byte (FileName).
    const QStringList words = FileName::arguments(argc, argv).mid(1);
    QTimer::singleShot(0, &app, [&] { runAndQuit(tool, words); });
    return app.exec();
}

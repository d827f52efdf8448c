// The reference the command-line tool is measured against: the least a QCoreApplication program
// does, one pass of the event loop and a line of output.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, [] {
        std::puts("33 0 0");
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// How the program starts, decided before Qt picks its window system, which without a display
// would abort before any option is read: --help and --version need no window at all, and where
// no display is reachable only a screenshot can be made, offscreen.
class StartMode
{
public:
    enum class Kind
    {
        Window,    // the window system Qt picks or was told to use
        TextOnly,  // --help or --version: print and end
        Offscreen, // --screenshot with no display: drawn offscreen on a screen of its own
        NoDisplay, // nowhere to show the window
    };

    static QString noDisplayMessage()
    {
        return QCoreApplication::translate(
            "StartMode", "no display to open the window on (DISPLAY is not set); start it on a "
                         "desktop, or with --screenshot FILE to draw the window offscreen");
    }

    // arguments as main got them, the program first.
    static Kind of(const QStringList& arguments, const QProcessEnvironment& environment);

    // The platform for an offscreen start: a 1920 x 1080 screen at 96 DPI, where the window opens
    // at its design size. Qt reads the screen from a file, written to screenFile.
    static QByteArray offscreenPlatform(const QString& screenFile);
    static QByteArray offscreenScreen();
};

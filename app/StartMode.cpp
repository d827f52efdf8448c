#include "StartMode.h"

namespace {

bool isTextOption(const QString& argument)
{
    static const QStringList textOptions{QStringLiteral("-h"), QStringLiteral("--help"),
                                         QStringLiteral("-?"), QStringLiteral("--help-all"),
                                         QStringLiteral("-v"), QStringLiteral("--version")};
    return textOptions.contains(argument);
}

// Qt's own -platform option, with one dash or two.
bool namesPlatform(const QString& argument)
{
    return argument == QLatin1String("-platform") || argument == QLatin1String("--platform");
}

bool asksScreenshot(const QString& argument)
{
    return argument == QLatin1String("--screenshot") ||
           argument.startsWith(QLatin1String("--screenshot="));
}

} // namespace

StartMode::Kind StartMode::of(const QStringList& arguments, const QProcessEnvironment& environment)
{
    bool platformNamed = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty();
    bool screenshot = false;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) {
            break;
        }
        if (isTextOption(argument)) {
            return Kind::TextOnly;
        }
        platformNamed = platformNamed || namesPlatform(argument);
        screenshot = screenshot || asksScreenshot(argument);
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // Here the window systems are reached through these variables; elsewhere there always is one.
    const bool display = !environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
                         !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (!platformNamed && !display) {
        return screenshot ? Kind::Offscreen : Kind::NoDisplay;
    }
#endif
    return Kind::Window;
}

QByteArray StartMode::offscreenPlatform(const QString& screenFile)
{
    return "offscreen:configfile=" + screenFile.toLocal8Bit();
}

QByteArray StartMode::offscreenScreen()
{
    return R"({"screens":[{"name":"s","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]})";
}

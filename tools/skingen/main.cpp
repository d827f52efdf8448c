// skingen: draws the skin pictures, as the block of ready pixels the program embeds or as
// 101.png .. 400.png to look at, a contact sheet of them for review, or the program's desktop
// icons.
#include "ContactSheet.h"
#include "IconTheme.h"
#include "SkinGenerator.h"
#include "SkinStyle.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // A drawing tool needs no display; the offscreen platform also runs on build machines.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() == 4 && args[1] == QLatin1String("--icons")) {
        const QString error = IconTheme::write(args[2], args[3]);
        if (!error.isEmpty()) {
            err << "skingen: " << error << "\n";
            return 1;
        }
        return 0;
    }
    const QStringList modes{QStringLiteral("--pixels"), QStringLiteral("--out"),
                            QStringLiteral("--sheet")};
    if (args.size() != 3 || !modes.contains(args[1])) {
        err << "usage: skingen --pixels FILE | --out DIR | --sheet FILE.png | --icons DIR NAME\n";
        return 2;
    }
    const QString missing = SkinGenerator::missingFonts();
    if (!missing.isEmpty()) {
        // Another face would change every label; refuse rather than write a different skin.
        err << "skingen: missing font families: " << missing << " (install "
            << SkinStyle::fontPackages() << ")\n";
        return 1;
    }
    const SkinGenerator generator;
    if (args[1] != QLatin1String("--sheet")) {
        const QString error = args[1] == QLatin1String("--out") ? generator.writeAll(args[2])
                                                                : generator.writePixels(args[2]);
        if (!error.isEmpty()) {
            err << "skingen: " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (!ContactSheet(generator).render().save(args[2], "PNG")) {
        err << "skingen: cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}

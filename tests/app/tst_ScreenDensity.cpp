#include "RecordingMessages.h"
#include "ScreenCheck.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An offscreen screen description for the platform plugin.
QString screenConfig(const QTemporaryDir& dir, int logicalDpi, double ratio,
                     QSize size = QSize(1920, 1080))
{
    const QString path = dir.filePath(QStringLiteral("screen-%1-%2-%3x%4.json")
                                          .arg(logicalDpi)
                                          .arg(ratio)
                                          .arg(size.width())
                                          .arg(size.height()));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%3,)"
                                  R"("height":%4,"logicalDpi":%1,"dpr":%2}]})")
                       .arg(logicalDpi)
                       .arg(ratio)
                       .arg(size.width())
                       .arg(size.height())
                       .toLatin1());
    }
    return path;
}

// Runs the program with a screenshot (so that no message box waits for anyone).
QProcess* startProgram(const QString& config, bool highDpiScaling, const QString& shot)
{
    auto* program = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"),
                       highDpiScaling ? QStringLiteral("1") : QStringLiteral("0"));
    program->setProcessEnvironment(environment);
    // The simulated processor's memory stays beside the screenshot, out of the user's data.
    const QString state = QFileInfo(shot).dir().filePath(QStringLiteral("simulator.PA"));
    program->start(QStringLiteral(TONVEXA_PROGRAM),
                   {QStringLiteral("--simulate=") + state, QStringLiteral("--screenshot"), shot});
    return program;
}

} // namespace

// The 96-DPI rule, on the screens the offscreen platform can pretend to be.
class tst_ScreenDensity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thisScreenIsRefused()
    {
        // This test runs on a 120-DPI screen with high-DPI scaling off (see the CTest settings).
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->logicalDotsPerInch(), 120.0);
        RecordingMessages messages;
        QVERIFY(!ScreenCheck::confirm(*screen, messages));
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("DPI<>96!")});
    }

    void programEndsOnA120DpiScreen()
    {
        QTemporaryDir dir;
        std::unique_ptr<QProcess> program(startProgram(screenConfig(dir, 120, 1), false,
                                                       dir.filePath(QStringLiteral("shot.png"))));
        QVERIFY(program->waitForFinished(20000));
        QCOMPARE(program->exitCode(), 1);
        QVERIFY(program->readAllStandardError().contains("DPI<>96!"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("shot.png"))));
    }

    void programRunsScaledOnAHighDensityScreen()
    {
        QTemporaryDir dir;
        const QString shot = dir.filePath(QStringLiteral("shot.png"));
        std::unique_ptr<QProcess> program(startProgram(screenConfig(dir, 96, 2), true, shot));
        QVERIFY(program->waitForFinished(30000));
        QCOMPARE(program->exitCode(), 0);
        QImage picture(shot);
        // The window is 900 logical pixels high: 1800 device pixels.
        QCOMPARE(picture.height(), 1800);
    }

    void programOpensInsideANarrowScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1280 x 1024") << QSize(1280, 1024);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
    }

    void programOpensInsideANarrowScreen()
    {
        QFETCH(QSize, screen);
        QTemporaryDir dir;
        const QString shot = dir.filePath(QStringLiteral("shot.png"));
        std::unique_ptr<QProcess> program(
            startProgram(screenConfig(dir, 96, 1, screen), false, shot));
        QVERIFY(program->waitForFinished(30000));
        QCOMPARE(program->exitCode(), 0);
        // The screenshot is the window: as wide as the screen, no wider.
        const QImage picture(shot);
        QCOMPARE(picture.width(), screen.width());
        QVERIFY(picture.height() <= screen.height());
    }
};

QTEST_MAIN(tst_ScreenDensity)
#include "tst_ScreenDensity.moc"

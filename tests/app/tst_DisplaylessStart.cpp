#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program where no display is reachable and nothing names a window system, as on a server
// or in a fresh container: the options that only print work, a screenshot is drawn offscreen,
// anything else ends with one line saying why, and Qt's own noise stays off the terminal.
class tst_DisplaylessStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("errorLines");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--screenshot <FILE>" << 0;
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << QStringLiteral("tonvexa " TONVEXA_VERSION) << 0;
        QTest::newRow("window") << QStringList{"--simulate=STATE"} << 2 << "" << 1;
        QTest::newRow("screenshot")
            << QStringList{"--simulate=STATE", "--screenshot", "SHOT"} << 0 << "SHOT" << 0;
    }

    void start()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(int, errorLines);
        QTemporaryDir dir;
        const QString shot = dir.filePath(QStringLiteral("shot.png"));
        arguments.replaceInStrings(QStringLiteral("STATE"), dir.filePath(QStringLiteral("s.PA")));
        arguments.replaceInStrings(QStringLiteral("SHOT"), shot);
        out.replace(QStringLiteral("SHOT"), shot);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("HOME"), dir.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TONVEXA_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2(QString::fromLocal8Bit(program.readAllStandardOutput()).contains(out),
                 qPrintable(out));
        QCOMPARE(err.count(u'\n'), errorLines);
        if (errorLines > 0) {
            QVERIFY2(err.contains(QStringLiteral("--screenshot")), qPrintable(err));
        }
        // A screenshot shows the window at its design size.
        QCOMPARE(QImage(shot).width(), out == shot ? 1582 : 0);
    }
};

QTEST_GUILESS_MAIN(tst_DisplaylessStart)
#include "tst_DisplaylessStart.moc"

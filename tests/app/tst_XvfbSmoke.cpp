#include "MainWindowHarness.h"
#include "SimpControl.h"
#include "XvfbServer.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr int StartTimeoutMs = XvfbServer::StartTimeoutMs;
constexpr int FaderIndex = 25; // the master level, common address 0xC0, factory value 20
constexpr int FaderAddress = 0xC0;
constexpr int DraggedTo = 60;

} // namespace

// The program on a real X server (Xvfb, the xcb platform): it connects to the simulated
// processor, a fader dragged with real pointer events (xdotool, through XTest) sends its value,
// and the processor's state file keeps that value however the program ends: closed, ended by a
// signal, or killed a while after the drag.
class tst_XvfbSmoke : public QObject
{
    Q_OBJECT

public:
    explicit tst_XvfbSmoke(const XvfbServer& server)
        : m_server(server)
    {}

private Q_SLOTS:
    void faderDraggedWithTheMouseReachesTheProcessor_data();
    void faderDraggedWithTheMouseReachesTheProcessor();

private:
    // Runs xdotool with the arguments; its standard output.
    QString xdotool(const QStringList& arguments)
    {
        QProcess process;
        process.start(m_xdotool, arguments);
        process.waitForFinished(StartTimeoutMs);
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }

    QImage grab(const QRect& area) const
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage();
    }

    const XvfbServer& m_server;
    QString m_xdotool;
};

void tst_XvfbSmoke::faderDraggedWithTheMouseReachesTheProcessor_data()
{
    QTest::addColumn<int>("signalNumber"); // 0: the close button
    QTest::addColumn<int>("waitMs");       // between the drag and the end
    QTest::newRow("close button") << 0 << 0;
    QTest::newRow("SIGTERM") << int(SIGTERM) << 0;
    QTest::newRow("SIGINT") << int(SIGINT) << 0;
    QTest::newRow("SIGHUP") << int(SIGHUP) << 0;
    QTest::newRow("SIGKILL, two seconds later") << int(SIGKILL) << 2000;
}

void tst_XvfbSmoke::faderDraggedWithTheMouseReachesTheProcessor()
{
    QFETCH(int, signalNumber);
    QFETCH(int, waitMs);
    if (m_server.display() < 0) {
        QSKIP(qPrintable(m_server.problem()));
    }
    m_xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (m_xdotool.isEmpty()) {
        QSKIP("xdotool is not installed (Debian: xdotool); the real X server test is skipped");
    }
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));

    // Where the controls are: the same window, built here but never shown, at the size the
    // program takes on this screen.
    ScriptedFiles files;
    ParamModel model;
    SkinImages skin;
    skin.InitSkin();
    SimProcessor sim;
    SimulatedComm comm(sim);
    RecordingMessages messages;
    DeviceLink link(model, comm);
    frmEQ layout(model, skin, link, messages, files);
    QString error;
    QVERIFY2(layout.load(error), qPrintable(error));
    const MainWindowControls& c = MainWindowProbe::controls(layout);
    SkinnedSlider* fader = c.sliders[FaderIndex];
    const auto inWindow = [&layout](QWidget* control, QPoint point) {
        return control->mapTo(&layout, point);
    };
    const QRect lamp(inWindow(c.connectionLamp, {}), c.connectionLamp->size());
    const QPoint from = inWindow(fader, MainWindowHarness::thumbPoint(fader, fader->value()));
    const QPoint to = inWindow(fader, MainWindowHarness::thumbPoint(fader, DraggedTo));
    const QPoint close = inWindow(c.closeButton, c.closeButton->rect().center());

    // The program, its processor unplugged for the first seconds so that the lamp is seen off
    // before it goes on.
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("state.PA"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), m_server.name());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(TONVEXA_PROGRAM,
                  {"--simulate=" + state, QStringLiteral("--simulate-faults=unplug@1")});
    QVERIFY(program.waitForStarted());
    const QString window =
        xdotool({"search", "--sync", "--onlyvisible", "--name", QStringLiteral("TOLVE Tonvexa")})
            .section(u'\n', 0, 0);
    QVERIFY2(!window.isEmpty(), "the window did not appear");
    // "X=..\nY=..\n..." of the window's place on the screen.
    const QString geometry = xdotool({"getwindowgeometry", "--shell", window});
    const int x = geometry.section(u'\n', 1, 1).section(u'=', 1).toInt();
    const int y = geometry.section(u'\n', 2, 2).section(u'=', 1).toInt();
    const QPoint origin(x, y);

    QTest::qWait(500);
    const QImage offline = grab(lamp.translated(origin));
    QTRY_VERIFY_WITH_TIMEOUT(grab(lamp.translated(origin)) != offline, StartTimeoutMs);
    QTest::qWait(500); // the synchronisation that follows the handshake

    const QPoint start = origin + from;
    const QPoint end = origin + to;
    QStringList drag{"mousemove", "--sync", QString::number(start.x()), QString::number(start.y()),
                     "mousedown", "1"};
    for (int step = 1; step <= 10; ++step) {
        const QPoint p = start + (end - start) * step / 10;
        drag << "sleep"
             << "0.05"
             << "mousemove"
             << "--sync" << QString::number(p.x()) << QString::number(p.y());
    }
    drag << "sleep"
         << "0.3"
         << "mouseup"
         << "1"
         << "sleep"
         << "0.3";
    xdotool(drag);
    QTest::qWait(waitMs);
    if (signalNumber == 0) {
        xdotool({"mousemove", "--sync", QString::number(origin.x() + close.x()),
                 QString::number(origin.y() + close.y()), "click", "1"});
    } else {
        ::kill(pid_t(program.processId()), signalNumber);
    }
    QVERIFY2(program.waitForFinished(StartTimeoutMs), "the window did not close");
    if (signalNumber != SIGKILL) {
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    QProcess cli;
    cli.start(TONVEXA_CLI, {"--simulate=" + state, "get", "0", QString::number(FaderAddress)});
    QVERIFY(cli.waitForFinished(StartTimeoutMs));
    const int value = QString::fromLatin1(cli.readAllStandardOutput()).section(u' ', 0, 0).toInt();
    QVERIFY2(qAbs(value - DraggedTo) <= 1, qPrintable(QString::number(value)));
}

int main(int argc, char* argv[])
{
    XvfbServer server;
    if (server.display() >= 0) {
        qputenv("DISPLAY", server.name().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    tst_XvfbSmoke test(server);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_XvfbSmoke.moc"

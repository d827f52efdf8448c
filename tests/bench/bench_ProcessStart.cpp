#include "XvfbServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int Samples = 7;
constexpr int WaitMs = 30000;
// How long after its first paint a window program counts as idle: the simulated processor has
// been read by then.
constexpr int SettleMs = 2000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

qint64 residentBytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return -1;
}

} // namespace

// Whole programs against the least a Qt program of their kind does, measured in the same run:
// the window's start to its first painted picture on a real X server and the memory it keeps
// when idle, a screenshot run, and one command of the command-line tool. Each row is the median
// of several runs; cleanupTestCase prints the program's figure over the reference's.
class bench_ProcessStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_screen = m_dir.filePath(QStringLiteral("screen.json"));
        QFile screen(m_screen);
        QVERIFY(screen.open(QIODevice::WriteOnly));
        screen.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1920,"height":1080,)"
                     R"("logicalDpi":96,"dpr":1}]})");
    }

    void cleanupTestCase()
    {
        for (const auto& [measure, rows] : m_results) {
            if (rows.size() == 2) {
                const double program = median(rows.at(true));
                const double reference = median(rows.at(false));
                qInfo("%s: tonvexa %.1f, reference %.1f: %.2fx", measure.constData(), program,
                      reference, program / reference);
            }
        }
    }

    void firstPaintedWindow_data() { programs(); }
    void firstPaintedWindow()
    {
        QFETCH(bool, tonvexa);
        if (m_xvfb.display() < 0) {
            QSKIP(qPrintable(m_xvfb.problem()));
        }
        std::unique_ptr<QProcess> program = startOnX(tonvexa);
        QVERIFY(program);
        const double ms = program->property("paintedMs").toDouble();
        record("exec to first painted window (ms)", tonvexa, ms);
        QTest::setBenchmarkResult(ms, QTest::WalltimeMilliseconds);
        stop(*program);
    }

    void idleMemory_data() { programs(); }
    void idleMemory()
    {
        QFETCH(bool, tonvexa);
        if (m_xvfb.display() < 0) {
            QSKIP(qPrintable(m_xvfb.problem()));
        }
        std::unique_ptr<QProcess> program = startOnX(tonvexa);
        QVERIFY(program);
        QTest::qWait(SettleMs);
        const qint64 bytes = residentBytes(program->processId());
        QVERIFY(bytes > 0);
        record("resident memory at idle (MB)", tonvexa, bytes / 1e6);
        QTest::setBenchmarkResult(double(bytes), QTest::BytesAllocated);
        stop(*program);
    }

    void screenshot_data() { programs(); }
    void screenshot()
    {
        QFETCH(bool, tonvexa);
        const QString shot = m_dir.filePath(QStringLiteral("shot.png"));
        QStringList arguments{QStringLiteral("grab"), shot};
        if (tonvexa) {
            arguments = QStringList{simulate(), QStringLiteral("--screenshot"), shot};
        }
        wholeProcess("screenshot, whole process (ms)", tonvexa,
                     tonvexa ? QStringLiteral(TONVEXA_PROGRAM) : QStringLiteral(REFERENCE_WINDOW),
                     arguments);
    }

    void cliGet_data() { programs(); }
    void cliGet()
    {
        QFETCH(bool, tonvexa);
        if (tonvexa) {
            // A state file as a user's would be: written once by a command that changes it.
            QProcess set;
            set.setProcessEnvironment(environment(false));
            set.start(QStringLiteral(TONVEXA_CLI),
                      {simulate(), QStringLiteral("set"), QStringLiteral("0"),
                       QStringLiteral("0x40"), QStringLiteral("33")});
            QVERIFY(set.waitForFinished(WaitMs) && set.exitCode() == 0);
        }
        wholeProcess("tonvexa-cli get, whole process (ms)", tonvexa,
                     tonvexa ? QStringLiteral(TONVEXA_CLI) : QStringLiteral(REFERENCE_CORE),
                     tonvexa ? QStringList{simulate(), QStringLiteral("get"), QStringLiteral("0"),
                                           QStringLiteral("0x40")}
                             : QStringList{});
    }

private:
    static void programs()
    {
        QTest::addColumn<bool>("tonvexa");
        QTest::newRow("reference") << false;
        QTest::newRow("tonvexa") << true;
    }

    // On the X server, or without any display (the window program then draws offscreen on its
    // own; the reference is told to).
    QProcessEnvironment environment(bool onX) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (onX) {
            environment.insert(QStringLiteral("DISPLAY"), m_xvfb.name());
            environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                               QStringLiteral("tonvexa.startup.info=true"));
        }
        return environment;
    }

    QString simulate() const
    {
        return QStringLiteral("--simulate=") + m_dir.filePath(QStringLiteral("simulator.PA"));
    }

    // The window program started on the X server, once it has painted its window (the time that
    // took in its property "paintedMs"); null when it did not get there.
    std::unique_ptr<QProcess> startOnX(bool tonvexa) const
    {
        auto program = std::make_unique<QProcess>();
        program->setProcessEnvironment(environment(true));
        program->setReadChannel(QProcess::StandardError);
        QElapsedTimer clock;
        clock.start();
        if (tonvexa) {
            program->start(QStringLiteral(TONVEXA_PROGRAM), {simulate()});
        } else {
            program->start(QStringLiteral(REFERENCE_WINDOW), {QStringLiteral("paint")});
        }
        if (!waitForLine(*program, "window painted")) {
            stop(*program);
            qWarning("%s", program->readAllStandardError().constData());
            return nullptr;
        }
        program->setProperty("paintedMs", clock.nsecsElapsed() / 1e6);
        return program;
    }

    static void stop(QProcess& program)
    {
        program.kill();
        program.waitForFinished(WaitMs);
    }

    // Reads standard error (the read channel) until a line ends so.
    static bool waitForLine(QProcess& program, const QByteArray& ending)
    {
        while (program.canReadLine() || program.waitForReadyRead(WaitMs)) {
            while (program.canReadLine()) {
                if (program.readLine().trimmed().endsWith(ending)) {
                    return true;
                }
            }
        }
        return false;
    }

    void wholeProcess(const char* measure, bool tonvexa, const QString& path,
                      const QStringList& arguments)
    {
        QProcessEnvironment environment = this->environment(false);
        if (!tonvexa) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                               QStringLiteral("offscreen:configfile=") + m_screen);
        }
        // Once per run of the row: a whole program takes long enough to time on its own.
        QBENCHMARK_ONCE
        {
            QProcess program;
            program.setProcessEnvironment(environment);
            QElapsedTimer clock;
            clock.start();
            program.start(path, arguments);
            QVERIFY(program.waitForFinished(WaitMs));
            record(measure, tonvexa, clock.nsecsElapsed() / 1e6);
            QVERIFY2(program.exitCode() == 0, program.readAllStandardError());
        }
    }

    // One run's figure; every row runs several times (-median) and the summary takes the median.
    void record(const char* measure, bool tonvexa, double value)
    {
        m_results[measure][tonvexa].push_back(value);
    }

    XvfbServer m_xvfb;
    QTemporaryDir m_dir;
    QString m_screen;
    std::map<QByteArray, std::map<bool, std::vector<double>>> m_results;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    bench_ProcessStart bench;
    // A whole program's time varies from run to run: each row reports the median of several.
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.contains(QLatin1String("-median"))) {
        arguments << QStringLiteral("-median") << QString::number(Samples);
    }
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&bench, arguments);
}
#include "bench_ProcessStart.moc"

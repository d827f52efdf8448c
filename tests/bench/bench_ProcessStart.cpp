#include "XvfbServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int Samples = 9;
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

// Processor time of a running process so far, all its threads, in milliseconds.
double cpuMs(qint64 pid)
{
    double ns = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly)) {
            ns += stat.readAll().split(' ').value(0).toDouble();
        }
    }
    return ns / 1e6;
}

// Processor time of the children that have ended, in milliseconds.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return t.tv_sec * 1e3 + t.tv_usec / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace

// Whole programs against the least a Qt program of their kind does (tests/bench/reference): the
// window's start to its first painted picture on a real X server and the memory it keeps when
// idle, a screenshot run, and one command of the command-line tool. Program and reference run in
// turns, so that both meet the same load on the machine; each function reports the program's
// median and prints the reference's and the ratio, and for the times also the processor time
// they took, which a busy machine does not inflate.
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

    void firstPaintedWindow()
    {
        if (m_xvfb.display() < 0) {
            QSKIP(qPrintable(m_xvfb.problem()));
        }
        compare("exec to first painted window (ms)", QTest::WalltimeMilliseconds,
                [this](bool tonvexa) {
                    const std::unique_ptr<QProcess> program = startOnX(tonvexa);
                    const double ms = program ? program->property("paintedMs").toDouble() : -1;
                    m_cpuMs = program ? program->property("paintedCpuMs").toDouble() : -1;
                    stop(program.get());
                    return ms;
                });
    }

    void idleMemory()
    {
        if (m_xvfb.display() < 0) {
            QSKIP(qPrintable(m_xvfb.problem()));
        }
        compare("resident memory at idle (bytes)", QTest::BytesAllocated, [this](bool tonvexa) {
            const std::unique_ptr<QProcess> program = startOnX(tonvexa);
            if (program) {
                QTest::qWait(SettleMs);
            }
            const double bytes = program ? double(residentBytes(program->processId())) : -1;
            stop(program.get());
            return bytes;
        });
    }

    void screenshot()
    {
        const QString shot = m_dir.filePath(QStringLiteral("shot.png"));
        compare("screenshot, whole process (ms)", QTest::WalltimeMilliseconds, [&](bool tonvexa) {
            return tonvexa ? wholeProcess(TONVEXA_PROGRAM, {simulate(), "--screenshot", shot})
                           : wholeProcess(REFERENCE_WINDOW, {"grab", shot}, m_screen);
        });
    }

    void cliGet()
    {
        // A state file as a user's would be: written once by a command that changes it.
        QVERIFY(wholeProcess(TONVEXA_CLI, {simulate(), "set", "0", "0x40", "33"}) > 0);
        compare("tonvexa-cli get, whole process (ms)", QTest::WalltimeMilliseconds,
                [this](bool tonvexa) {
                    return tonvexa ? wholeProcess(TONVEXA_CLI, {simulate(), "get", "0", "0x40"})
                                   : wholeProcess(REFERENCE_CORE, {});
                });
    }

private:
    // Runs the reference and the program in turns; run gives one figure, negative when the run
    // failed.
    void compare(const char* measure, QTest::QBenchmarkMetric metric,
                 const std::function<double(bool tonvexa)>& run)
    {
        std::vector<double> program;
        std::vector<double> reference;
        std::vector<double> programCpu;
        std::vector<double> referenceCpu;
        for (int i = 0; i < Samples; ++i) {
            m_cpuMs = -1;
            reference.push_back(run(false));
            referenceCpu.push_back(m_cpuMs);
            program.push_back(run(true));
            programCpu.push_back(m_cpuMs);
            QVERIFY2(reference.back() > 0 && program.back() > 0, measure);
        }
        qInfo("%s: tonvexa %.1f, reference %.1f: %.2fx", measure, median(program),
              median(reference), median(program) / median(reference));
        if (median(referenceCpu) > 0) {
            qInfo("  processor time (ms): tonvexa %.1f, reference %.1f: %.2fx", median(programCpu),
                  median(referenceCpu), median(programCpu) / median(referenceCpu));
        }
        QTest::setBenchmarkResult(median(program), metric);
    }

    // On the X server, or without any display (the window program then draws offscreen on its
    // own; the reference is told to, on the same screen).
    QProcessEnvironment environment(bool onX, const QString& offscreenConfig = {}) const
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
        if (!offscreenConfig.isEmpty()) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                               QStringLiteral("offscreen:configfile=") + offscreenConfig);
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
            stop(program.get());
            qWarning("%s did not paint (%s, exit %d): %s", qPrintable(program->program()),
                     qPrintable(program->errorString()), program->exitCode(),
                     program->readAllStandardError().constData());
            return nullptr;
        }
        program->setProperty("paintedMs", clock.nsecsElapsed() / 1e6);
        program->setProperty("paintedCpuMs", cpuMs(program->processId()));
        return program;
    }

    static void stop(QProcess* program)
    {
        if (program) {
            program->kill();
            program->waitForFinished(WaitMs);
        }
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

    // Milliseconds from start to end of a run that succeeded, else -1; its processor time in
    // m_cpuMs.
    double wholeProcess(const char* path, const QStringList& arguments,
                        const QString& offscreenConfig = {})
    {
        QProcess program;
        program.setProcessEnvironment(environment(false, offscreenConfig));
        const double cpuBefore = childrenCpuMs();
        QElapsedTimer clock;
        clock.start();
        program.start(QString::fromLocal8Bit(path), arguments);
        if (!program.waitForFinished(WaitMs) || program.exitStatus() != QProcess::NormalExit ||
            program.exitCode() != 0) {
            qWarning("%s: %s", path, program.readAllStandardError().constData());
            return -1;
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        m_cpuMs = childrenCpuMs() - cpuBefore;
        return ms;
    }

    XvfbServer m_xvfb;
    QTemporaryDir m_dir;
    QString m_screen;
    double m_cpuMs = -1; // the last run's processor time, where it is known
};

QTEST_GUILESS_MAIN(bench_ProcessStart)
#include "bench_ProcessStart.moc"

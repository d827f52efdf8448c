#include "ToolRun.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

// Programs that share one simulator state file take turns: nothing one of them reported as done
// is lost to another, and one that cannot get its turn says who holds the file.
class tst_StateFileSharing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_state = m_dir->filePath(QStringLiteral("state.PA"));
    }

    void simultaneousCommandsLoseNothing()
    {
        for (int round = 0; round < 3; ++round) {
            QCOMPARE(ToolRun::of({"--simulate=" + m_state, "set", "0", "0x40", "5"}).exitCode, 0);
            QProcess first;
            QProcess second;
            first.start(TONVEXA_CLI,
                        {"--simulate=" + m_state, "set", "0", "0x40", QString::number(11 + round)});
            second.start(TONVEXA_CLI, {"--simulate=" + m_state, "set", "0", "0x53",
                                       QString::number(12 + round)});
            for (QProcess* process : {&first, &second}) {
                QVERIFY(process->waitForFinished(30000));
                QCOMPARE(process->exitCode(), 0);
            }
            QCOMPARE(ToolRun::of({"--simulate=" + m_state, "get", "0", "0x40"}).out,
                     QStringLiteral("%1 0 0\n").arg(11 + round));
            QCOMPARE(ToolRun::of({"--simulate=" + m_state, "get", "0", "0x53"}).out,
                     QStringLiteral("%1 0 0\n").arg(12 + round));
        }
    }

    void lockOfARunningProgramIsRespected_data()
    {
        QTest::addColumn<bool>("holderRuns");
        QTest::newRow("held by a running program") << true;
        QTest::newRow("left by a program that ended") << false;
    }

    void lockOfARunningProgramIsRespected()
    {
        QFETCH(bool, holderRuns);
        QLockFile held(m_state + QStringLiteral(".lock"));
        held.setStaleLockTime(0);
        if (holderRuns) {
            QVERIFY(held.tryLock(0));
        } else {
            // What a program that crashed leaves behind: its process id, name and host.
            QFile lock(m_state + QStringLiteral(".lock"));
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write("2147483000\ntonvexa-cli\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        }
        const ToolRun run = ToolRun::of(
            {"--simulate=" + m_state, "--timeout-scale", "0.02", "set", "0", "0x40", "9"});
        if (!holderRuns) {
            QCOMPARE(run.exitCode, 0);
            return;
        }
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(m_state) &&
                     run.err.contains(QString::number(QCoreApplication::applicationPid())),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(m_state)); // nothing was written
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_state;
};

QTEST_GUILESS_MAIN(tst_StateFileSharing)
#include "tst_StateFileSharing.moc"

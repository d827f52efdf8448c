#include "ToolRun.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
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

    // Every state a lock can be found in: what a running program holds is respected, what a
    // program killed at any point leaves (after creating the file, in the middle of naming
    // itself, after it) is taken over, and what cannot be taken over says how to remove it.
    void lockIsTakenOverUnlessItsProgramRuns_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("said");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        const QByteArray running = QByteArray::number(QCoreApplication::applicationPid());
        const QByteArray ended = "2147483000";
        const QStringList none;
        QTest::newRow("held by a running program")
            << "held" << QByteArray() << 1 << QStringList{running, "in use by"};
        QTest::newRow("killed after creating it, just now")
            << "fresh file" << QByteArray() << 0 << none;
        QTest::newRow("killed after creating it") << "file" << QByteArray() << 0 << none;
        QTest::newRow("killed within its process id") << "file" << ended.first(5) << 0 << none;
        QTest::newRow("killed after its process id") << "file" << ended + '\n' << 0 << none;
        QTest::newRow("killed before the host") << "file" << ended + "\ntonvexa-cli\n" << 0 << none;
        QTest::newRow("left by a program that ended")
            << "file" << ended + "\ntonvexa-cli\n" + host + '\n'
            << 0 << none;
        QTest::newRow("garbled") << "file" << QByteArray("\xff\x00junk\n\n\n", 9) << 0 << none;
        // Without a machine id (a bare container) another boot cannot be told from another
        // machine of the same name, where the program may well run.
        const bool machineKnown = !QSysInfo::machineUniqueId().isEmpty();
        QTest::newRow("from before the last boot")
            << "file"
            << running + "\ntst_StateFileSharing\n" + host + '\n' + QSysInfo::machineUniqueId() +
                   "\nanother-boot\n"
            << (machineKnown ? 0 : 1) << (machineKnown ? none : QStringList{running, "in use by"});
        QTest::newRow("a symbolic link that leads nowhere") << "link" << QByteArray() << 0 << none;
        QTest::newRow("an empty folder") << "folder" << QByteArray() << 0 << none;
        QTest::newRow("a folder with files")
            << "full folder" << QByteArray() << 1 << QStringList{"a folder", "rm -r -- '"};
        QTest::newRow("held on another host") << "file" << ended + "\ntonvexa\nstudio-pc\n"
                                              << 1 << QStringList{"on studio-pc", "rm -- '"};
    }

    void lockIsTakenOverUnlessItsProgramRuns()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        const QString lockPath = m_state + QStringLiteral(".lock");
        QLockFile held(lockPath);
        if (kind == u"held") {
            held.setStaleLockTime(0);
            QVERIFY(held.tryLock(0));
        } else if (kind == u"link") {
            QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone")), lockPath));
        } else if (kind.endsWith(u"folder")) {
            QVERIFY(QDir().mkdir(lockPath));
            if (kind == u"full folder") {
                QVERIFY(QFile(lockPath + QStringLiteral("/x")).open(QIODevice::WriteOnly));
            }
        } else {
            QFile lock(lockPath);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(content);
            // Found a while after the crash, but for one row.
            if (kind != u"fresh file") {
                QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                         QFileDevice::FileModificationTime));
            }
        }
        const ToolRun run = ToolRun::of(
            {"--simulate=" + m_state, "--timeout-scale", "0.02", "set", "0", "0x40", "9"});
        QTEST(run.exitCode, "exitCode");
        QFETCH(QStringList, said);
        for (const QString& text : said) {
            QVERIFY2(run.err.contains(text) && run.err.contains(m_state), qPrintable(run.err));
        }
        // Taken over and let go again, or left alone.
        QCOMPARE(QFileInfo::exists(m_state), run.exitCode == 0);
        QCOMPARE(QFileInfo(lockPath).exists() || QFileInfo(lockPath).isSymLink(),
                 run.exitCode != 0);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_state;
};

QTEST_GUILESS_MAIN(tst_StateFileSharing)
#include "tst_StateFileSharing.moc"

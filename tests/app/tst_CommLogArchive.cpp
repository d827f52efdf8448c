#include "CommLog.h"
#include "CommLogArchive.h"
#include "CommLogFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// A text that must roll over on its own.
const QString Big(CommLogArchive::RollOverLength + 10, u'x');

QString expanded(QString text)
{
    return text.replace(QStringLiteral("BIG"), Big);
}

QString shown(const std::optional<CommLogArchive::Update>& update)
{
    return !update ? QStringLiteral("none") : (update->replace ? u'=' : u'+') + update->text;
}

} // namespace

class tst_CommLogArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayAndFileFollowTheLog_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("ticks"); // what each "tick" step hands the display
        QTest::addColumn<QString>("file");      // "-": no file

        QTest::newRow("the whole text first, then only what is new")
            << QStringList{"open", "log a", "tick", "log b", "log c", "tick", "tick"}
            << QStringList{"=a", "+\nb\nc", "none"} << "-";
        QTest::newRow("past 60000 characters the text rolls over into the file")
            << QStringList{"open", "log a", "tick", "log BIG", "tick", "log c", "tick"}
            << QStringList{"=a", "=", "+c"} << "\r\na\r\nBIG\r\n";
        QTest::newRow("reopening deletes the file and shows the text kept while closed")
            << QStringList{"open",  "log a", "double-click", "log b",
                           "close", "log c", "open",         "tick"}
            << QStringList{"=b"} << "-";
        QTest::newRow("the program ends with the window closed: nothing is written")
            << QStringList{"open", "log a", "close", "end"} << QStringList{} << "-";
    }

    void displayAndFileFollowTheLog()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, ticks);
        QFETCH(QString, file);
        QTemporaryDir folder;
        CommLog log;
        CommLogFile logFile(folder.path(), folder.path());
        CommLogArchive archive(log, logFile);
        QStringList handed;
        for (const QString& step : steps) {
            if (step.startsWith(u"log ")) {
                log.append(expanded(step.mid(4)));
            } else if (step == u"open") {
                archive.open();
                QVERIFY(log.isEnabled());
            } else if (step == u"close") {
                archive.close();
            } else if (step == u"tick") {
                handed.append(shown(archive.tick()));
            } else if (step == u"double-click") {
                archive.clearAndSave();
            } else if (step == u"end") {
                archive.saveUnwritten();
            }
        }
        QStringList expectedTicks;
        for (const QString& tick : ticks) {
            expectedTicks.append(expanded(tick));
        }
        QCOMPARE(handed, expectedTicks);
        QFile written(logFile.path());
        if (file == u"-") {
            QVERIFY(!written.exists());
        } else {
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(written.readAll()), expanded(file));
        }
    }

    void folderChoice_data()
    {
        QTest::addColumn<QString>("program");      // "read-only": made read-only for real
        QTest::addColumn<bool>("programWritable"); // what the check answers otherwise
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("written"); // the folder, or "" when nothing could be written
        QTest::newRow("writable program directory") << "bin" << true << "share"
                                                    << "bin";
        QTest::newRow("installed: the user's data folder, made when first written")
            << "bin" << false << "share/tonvexa"
            << "share/tonvexa";
        QTest::newRow("really read-only program directory") << "read-only" << true << "share"
                                                            << "share";
        QTest::newRow("no folder to write in: said on the status line")
            << "bin" << false << "file/tonvexa"
            << "";
    }

    void folderChoice()
    {
        QFETCH(QString, program);
        QFETCH(bool, programWritable);
        QFETCH(QString, data);
        QFETCH(QString, written);
        QTemporaryDir temporary;
        QVERIFY(QDir(temporary.path()).mkpath(program));
        QFile(temporary.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        const QString programPath = temporary.filePath(program);
        std::optional<CommLogFile> logFile;
        if (program == u"read-only") {
            if (geteuid() == 0) {
                QSKIP("root may write into a read-only directory");
            }
            QVERIFY(QFile::setPermissions(programPath, QFile::ReadOwner | QFile::ExeOwner));
            logFile.emplace(programPath, temporary.filePath(data));
        } else {
            logFile.emplace(programPath, temporary.filePath(data),
                            [&](const QString&) { return programWritable; });
        }
        logFile->start();
        QCOMPARE(logFile->append(QStringLiteral("a")), !written.isEmpty());
        if (written.isEmpty()) {
            QVERIFY(logFile->status().startsWith(QStringLiteral("Could not write the log file ") +
                                                 logFile->path()));
        } else {
            QCOMPARE(logFile->path(),
                     QDir(temporary.filePath(written)).filePath(CommLogFile::FileName));
            QVERIFY(QFile::exists(logFile->path()));
            QCOMPARE(logFile->status(), QStringLiteral("Log file: ") + logFile->path());
        }
        QFile::setPermissions(programPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(tst_CommLogArchive)
#include "tst_CommLogArchive.moc"

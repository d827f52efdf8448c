#include "RecordingMessages.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The eq commands against a simulated processor that keeps its memory in a state file: what
// they print, and that only the writes they should make reach the processor.
class tst_CliRoomEq : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        write("room.txt", "Filter 1: ON PK Fc 100 Hz Gain -6.0 dB Q 2.0\n"
                          "Filter 2: ON PK Fc 1000 Hz Gain 3.0 dB Q 1.0\n");
        write("bad.txt", "# two filters\nFilter 1: ON PK Fc 100 Hz Gain -6,0 dB Q 2\n");
        // A room with a 6 dB hump at 100 Hz, and a target that falls 3 dB towards 20 kHz.
        write("measured.txt", "* measured\n20 75\n60 76\n100 81\n160 76\n1000 75\n20000 75\n");
        write("target.csv", "frequency,raw\n20,0\n2000,0\n20000,-3\n");
        SimProcessor factory;
        RecordingMessages messages;
        QVERIFY(SimStateFile::save(path("state.PA"), factory.memory(), messages));
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("writes");
        QTest::addColumn<QString>("printed"); // the start of the last line printed
        const QString last = QStringLiteral("max deviation ");
        QTest::newRow("export") << QStringList{"eq", "export", "0", "0"} << 0 << false
                                << "# max deviation 0.00 dB, rms 0.00 dB";
        QTest::newRow("import") << QStringList{"eq", "import", "room.txt", "0", "0"} << 0 << true
                                << last;
        QTest::newRow("import, dry run")
            << QStringList{"eq", "import", "room.txt", "0", "0", "--dry-run"} << 0 << false << last;
        QTest::newRow("fit to a target")
            << QStringList{"eq", "fit", "measured.txt", "2", "1", "--target", "target.csv"} << 0
            << true << last;
        QTest::newRow("fit, dry run")
            << QStringList{"eq", "fit", "--dry-run", "measured.txt", "2", "1"} << 0 << false
            << last;
        QTest::newRow("malformed file")
            << QStringList{"eq", "import", "bad.txt", "0", "0"} << 1 << false << QString();
        QTest::newRow("group out of range")
            << QStringList{"eq", "import", "room.txt", "0", "8"} << 2 << false << QString();
    }

    void commands()
    {
        QFETCH(QStringList, words);
        QFETCH(int, exitCode);
        QFETCH(bool, writes);
        QFETCH(QString, printed);
        for (QString& word : words) {
            if (word.contains(u'.')) {
                word = path(word);
            }
        }
        const QByteArray before = stateBytes();
        const ToolRun run = ToolRun::of(QStringList{"--simulate=" + path("state.PA")} + words);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        QCOMPARE(stateBytes() != before, writes);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.value(lines.size() - 1).startsWith(printed), qPrintable(run.out));
        if (words[1] != u"export" && exitCode == 0) {
            // Every band before and after: seven peaking bands and the low cut of the music
            // group, fifteen and both cuts of the microphone group.
            QCOMPARE(lines.size() - 1, words.contains(u"0") && words[3] == u"0" ? 8 : 17);
        }
        if (exitCode == 1) {
            QVERIFY2(run.err.contains(u"line 2 (Filter 1: ON PK Fc 100 Hz Gain -6,0 dB Q 2)"),
                     qPrintable(run.err));
        }
    }

    // A group exported and imported again: every band stays as it was and nothing is written.
    void exportThenImport()
    {
        const QString state = "--simulate=" + path("state.PA");
        QCOMPARE(ToolRun::of({state, "eq", "import", path("room.txt"), "3", "0"}).exitCode, 0);
        const ToolRun exported = ToolRun::of({state, "eq", "export", "3", "0"});
        QCOMPARE(exported.exitCode, 0);
        write("exported.txt", exported.out.toUtf8());
        const QByteArray before = stateBytes();
        const ToolRun imported =
            ToolRun::of({state, "eq", "import", path("exported.txt"), "3", "0"});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(stateBytes(), before);
        for (const QString& line : imported.out.split(u'\n', Qt::SkipEmptyParts).mid(0, 8)) {
            const QStringList sides =
                line.section(QStringLiteral(": "), 1).split(QStringLiteral(" -> "));
            QCOMPARE(sides.value(1), sides.value(0));
        }
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }

    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray stateBytes() const
    {
        QFile file(path("state.PA"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(tst_CliRoomEq)
#include "tst_CliRoomEq.moc"

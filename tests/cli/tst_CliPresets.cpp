#include "FifoUnblocker.h"
#include "PresetTestSupport.h"
#include "SimProcessor.h"
#include "SimStateFile.h"
#include "ToolRun.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

// The preset side of tonvexa-cli: backup and restore through simulated processors that keep
// their memory in state files, and show and diff of preset files.
class tst_CliPresets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void backupThenRestoreCopiesOneDeviceToAnother()
    {
        // Device A differs from the factory everywhere a preset reaches.
        SimProcessor a;
        PresetTestSupport::fillRandom(a.memory(), 99, true);
        a.memory().menuShow().fill(1);
        RecordingMessages messages;
        QVERIFY(SimStateFile::save(path("A.PA"), a.memory(), messages));

        const ToolRun backup = ToolRun::of({"--simulate=" + path("A.PA"), "backup", path("x")});
        QCOMPARE(backup.exitCode, 0);
        QCOMPARE(backup.out, path("x.PA") + u'\n');

        const ToolRun restore =
            ToolRun::of({"--simulate=" + path("B.PA"), "restore", path("x.PA")});
        QCOMPARE(restore.exitCode, 0);

        SimProcessor b;
        QCOMPARE(SimStateFile::load(path("B.PA"), b.memory(), messages),
                 SimStateFile::LoadResult::Loaded);
        for (ParamField field : AllParamFields) {
            for (int mode = 0; mode < 8; ++mode) {
                for (int address = 0; address < 256; ++address) {
                    if (PresetTestSupport::presetCovers(field, mode, address)) {
                        QCOMPARE(b.memory().store().value(field, mode, address),
                                 a.memory().store().value(field, mode, address));
                    }
                }
            }
        }
        // The menu-show flags reach a processor only through the menu window.
        QCOMPARE(b.memory().menuShow()[0x40], quint8(0));
        QVERIFY(messages.shown.isEmpty());
    }

    void backupWritesNothingWhenTheSyncFails()
    {
        SimProcessor a;
        a.memory().store().setValue(ParamField::Value, 0, 0xC0,
                                    255); // a byte the receiver cannot carry
        RecordingMessages messages;
        QVERIFY(SimStateFile::save(path("A.PA"), a.memory(), messages));
        const ToolRun run = ToolRun::of(
            {"--simulate=" + path("A.PA"), "--timeout-scale", "0.02", "backup", path("x.PA")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFile::exists(path("x.PA")));
        QVERIFY(run.err.contains(u"Connection for data transmission timed out."));
    }

    void stateFileIsRewrittenOnlyWhenTheMemoryChanges_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("get") << QStringList{"get", "0", "0x40"} << false;
        QTest::newRow("backup") << QStringList{"backup", "x.PA"} << false;
        QTest::newRow("menushow") << QStringList{"menushow"} << false;
        QTest::newRow("set") << QStringList{"set", "0", "0x40", "8"} << true;
    }

    void stateFileIsRewrittenOnlyWhenTheMemoryChanges()
    {
        QFETCH(QStringList, command);
        QFETCH(bool, rewritten);
        SimProcessor a;
        a.memory().store().setValue(ParamField::Value, 0, 0x40, 7);
        RecordingMessages messages;
        QVERIFY(SimStateFile::save(path("A.PA"), a.memory(), messages));
        // An hour back, so that a rewrite within the same second still shows.
        const QDateTime before = QDateTime::currentDateTime().addSecs(-3600);
        QFile state(path("A.PA"));
        QVERIFY(state.open(QIODevice::ReadWrite) &&
                state.setFileTime(before, QFileDevice::FileModificationTime));
        state.close();
        const QByteArray bytes = readBytes("A.PA");

        command.replaceInStrings(QStringLiteral("x.PA"), path("x.PA"));
        QCOMPARE(ToolRun::of(QStringList{"--simulate=" + path("A.PA")} + command).exitCode, 0);
        const bool sameBytes = readBytes("A.PA") == bytes;
        const bool sameTime =
            QFileInfo(path("A.PA")).lastModified().toSecsSinceEpoch() == before.toSecsSinceEpoch();
        QCOMPARE(!(sameBytes && sameTime), rewritten);
    }

    void bareSimulateKeepsItsMemoryInTheDefaultFile()
    {
        // As the installed tool is set up: the default file's folder does not exist yet.
        const QString state = path("data/tonvexa/simulator.PA");
        const auto run = [&state](const QStringList& words) {
            QString out;
            QString err;
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            CommandLineTool tool(outStream, errStream);
            tool.setDefaultSimulatorState(state);
            const int code = QCoro::waitFor(tool.run(words));
            outStream.flush();
            return std::pair(code, out);
        };
        QCOMPARE(run({"--simulate", "set", "0", "0x40", "33"}).first, 0);
        QVERIFY(QFile::exists(state));
        QCOMPARE(run({"--simulate", "get", "0", "0x40"}), std::pair(0, QStringLiteral("33 0 0\n")));
        // A named file still wins over the default.
        QCOMPARE(run({"--simulate=" + path("other.PA"), "get", "0", "0x40"}).second,
                 QStringLiteral("80 0 0\n"));
    }

    // Handshake and synchronisation are frames 1 to 29; the 11th block of the upload is lost.
    void halfDoneRestoreSaysSo()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("x.PA")}).exitCode == 0);
        const ToolRun run = ToolRun::of({"--simulate-faults=silence@40-47", "--timeout-scale",
                                         "0.02", "restore", path("x.PA")});
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(u"Connection for data transmission timed out."));
        QVERIFY2(lines[1].startsWith(u"Only 10 of the upload's 25 frames reached the processor: "
                                     u"it now holds part of the preset") &&
                     lines[1].endsWith(u"Run restore again."),
                 qPrintable(lines[1]));
    }

    // A preset that sets the aux music volume of mode 0 to 33, against a processor holding it
    // (A) or the factory's 80 (B). Restore's frames: 1 to 29 connect, 30 to 54 write (31: mode
    // 0's first block), 55 selects the mode, 56 to 80 read back, 81 writes the block again.
    void readBackAndVerify_data()
    {
        QTest::addColumn<QString>("processor");
        QTest::addColumn<QStringList>("words"); // before the file
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // a line it holds
        const QString row = QStringLiteral("0\t0x0B\t辅助-音乐音量\t80\t33");
        QTest::newRow("verify: equal") << "A" << QStringList{"verify"} << "x.PA" << 0 << ""
                                       << "";
        QTest::newRow("verify: different")
            << "B" << QStringList{"verify"} << "x.PA" << 1 << row + u'\n' << "";
        QTest::newRow("verify: no file") << "B" << QStringList{"verify"} << "y.PA" << 2 << ""
                                         << "";
        QTest::newRow("restore: a lost write is written again")
            << "B" << QStringList{"--simulate-faults=lostwrite@31", "restore"} << "x.PA" << 0 << ""
            << "tonvexa-cli: read back, 1 setting(s) differed from what was written; written again";
        QTest::newRow("restore: lost twice, named")
            << "B" << QStringList{"--simulate-faults=lostwrite@31,lostwrite@81", "restore"}
            << "x.PA" << 1 << "" << row;
    }

    void readBackAndVerify()
    {
        QFETCH(QString, processor);
        QFETCH(QStringList, words);
        QFETCH(QString, file);
        QFETCH(QString, err);
        QCOMPARE(ToolRun::of({"--simulate=" + path("A.PA"), "set", "0", "0x0B", "33"}).exitCode, 0);
        QCOMPARE(ToolRun::of({"--simulate=" + path("A.PA"), "backup", path("x.PA")}).exitCode, 0);
        const ToolRun run = ToolRun::of(QStringList{"--simulate=" + path(processor + ".PA")} +
                                        words + QStringList{path(file)});
        QTEST(run.exitCode, "exitCode");
        QTEST(run.out, "out");
        QVERIFY2(run.err.split(u'\n').contains(err) || err.isEmpty(), qPrintable(run.err));
        if (words.contains(u"restore")) {
            const ToolRun after = ToolRun::of({"--simulate=" + path("B.PA"), "verify", path(file)});
            QCOMPARE(after.out, run.exitCode == 0 ? QString() : QString(err + u'\n'));
        }
    }

    void restoreRefusesWhatIsNoPreset()
    {
        writeText("other.PA", "[Main]\nType=OTHER\n");
        const ToolRun run = ToolRun::of({"--simulate", "restore", path("other.PA")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("The file you imported is not a specific profile.\n"));
        QCOMPARE(ToolRun::of({"--simulate", "restore", path("missing.PA")}).exitCode, 1);
    }

    void showDecodesBandsAndCuts()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("factory.PA")}).exitCode == 0);
        const ToolRun run = ToolRun::of({"show", path("factory.PA")});
        QCOMPARE(run.exitCode, 0);
        const QStringList rows = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(rows.contains(u"0\t0x03\t音乐EQ1\t19 75 14\t56 Hz 0.0 dB Q 1.4"));
        QVERIFY(rows.contains(u"3\t0x42\t话筒高切\t241\t20000 Hz"));
        QVERIFY(rows.contains(u"7\t0x81\t回声延时\t27\t230"));
        QVERIFY(rows.contains(u"0\t0x85\t残响时间\t35\t3.5"));
        QVERIFY(rows.contains(u"COMMON\t0xC5\t-\t20\t"));
        QVERIFY(rows.contains(u"MENUSHOW\t0x40\t话筒1-2音量\t0\tshown"));
        QCOMPARE(rows.count(u"1\t0x41\t话筒低切\t0\t18 Hz"), 1); // a cut listed twice is one row
    }

    void diffShowsTheRowsThatDiffer()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        QByteArray bytes = readBytes("a.PA");
        QCOMPARE(ToolRun::of({"diff", path("a.PA"), path("a.PA")}).exitCode, 0);

        bytes.replace("GROUP2.ADDR64=80", "GROUP2.ADDR64=33");
        bytes.replace("COMMON.ADDR192=20\r\n", "");
        writeBytes("b.PA", bytes);
        const ToolRun run = ToolRun::of({"diff", path("a.PA"), path("b.PA")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QStringLiteral("2\t0x40\t话筒1-2音量\t80\t33\n"
                                         "COMMON\t0xC0\t-\t20\t-\n"));
    }

    void diffOfUnreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a preset") << QByteArray("[Main]\nType=ZEV002\n");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xFF", 4);
    }

    void diffOfUnreadableFiles()
    {
        QFETCH(QByteArray, content);
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        writeBytes("b.PA", content);
        QCOMPARE(ToolRun::of({"diff", path("a.PA"), path("b.PA")}).exitCode, 2);
        QCOMPARE(ToolRun::of({"diff", path("a.PA"), path("none.PA")}).exitCode, 2);
    }

    void menushowListsTheMenuInItsOrder_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("row1"); // 话筒1-2音量, hidden on the processor
        QTest::newRow("from the processor") << "device"
                                            << "0x40\t话筒1-2音量\thidden";
        QTest::newRow("from a preset") << "file"
                                       << "0x40\t话筒1-2音量\thidden";
        QTest::newRow("from a preset that lacks the flag") << "file without 0x40"
                                                           << "0x40\t话筒1-2音量\t-";
    }

    void menushowListsTheMenuInItsOrder()
    {
        QFETCH(QString, source);
        SimProcessor device;
        device.memory().menuShow()[0x40] = 1;
        device.memory().menuShow()[0x87] = 1;
        RecordingMessages messages;
        QVERIFY(SimStateFile::save(path("A.PA"), device.memory(), messages));
        QStringList words{"--simulate=" + path("A.PA"), "menushow"};
        if (source != u"device") {
            QCOMPARE(ToolRun::of({"--simulate=" + path("A.PA"), "backup", path("x.PA")}).exitCode,
                     0);
            QByteArray bytes = readBytes("x.PA");
            if (source.endsWith(u"0x40")) {
                bytes.replace("MENUSHOW.ADDR64=1\r\n", "");
            }
            writeBytes("x.PA", bytes);
            words = QStringList{"menushow", path("x.PA")};
        }
        const ToolRun run = ToolRun::of(words);
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 93);
        QCOMPARE(lines[0], QStringLiteral("--------- 音量分配 ---------"));
        QTEST(lines[1], "row1");
        QCOMPARE(lines[2], QStringLiteral("0x53\t话筒3音量\tshown"));
        QCOMPARE(lines[58], QStringLiteral("0x87\t效果低切\thidden"));
        QCOMPARE(lines[92], QStringLiteral("0x85\t残响时间\tshown"));
        QCOMPARE(ToolRun::of({"menushow", path("none.PA")}).exitCode, 1);
    }

    // The curves of the effect group at given frequencies: each its own column, with the
    // response's worked values (1 kHz +12 dB Q 1; a low cut at 100 Hz; a high cut at 10 kHz).
    void curveAtGivenFrequencies()
    {
        SimProcessor processor;
        ParamStore& store = processor.memory().store();
        store.setFields(2, 0x89, {131, 15, 10});
        store.setValue(ParamField::Value, 2, 0x87, 41);
        store.setValue(ParamField::Value, 2, 0x82, 221);
        RecordingMessages messages;
        QVERIFY(SimStateFile::save(path("fx.PA"), processor.memory(), messages));
        const ToolRun run =
            ToolRun::of({"curve", path("fx.PA"), "2", "3", "--at", "50,100,1000,10000"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith(u"* fx.PA, mode 2, EQ group 3"));
        // The worked values; NaN where none is known.
        const double x = std::nan("");
        const double expected[4][4] = {{50, x, 0, -11.97},
                                       {100, 0.16, 0, -2.27},
                                       {1000, 12.00, 0, 0.01},
                                       {10000, x, -2.27, 0}};
        for (int row = 0; row < 4; ++row) {
            const QStringList columns = lines[row + 1].split(u',');
            QCOMPARE(columns.size(), 4);
            for (int column = 0; column < 4; ++column) {
                QVERIFY2(!(std::abs(columns[column].toDouble() - expected[row][column]) > 0.015),
                         qPrintable(lines[row + 1]));
                QCOMPARE(columns[column].section(u'.', 1).size(), 3);
            }
        }
    }

    void curveRefusesFrequenciesOutsideTheBand()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        const QList<QPair<QString, int>> runs{
            {"0.0001", 2}, {"100,0.99", 2}, {"1", 0}, {"24000", 0}, {"24000.01", 2}};
        for (const auto& [at, exitCode] : runs) {
            QCOMPARE(ToolRun::of({"curve", path("a.PA"), "0", "0", "--at", at}).exitCode, exitCode);
        }
    }

    // At the graph's columns: one row per column, the last ones held at 22 kHz; an unreadable
    // preset prints nothing but the import's message.
    void curveAtTheGraphColumns()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        const ToolRun run = ToolRun::of({"curve", path("a.PA"), "0", "6"});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 1588);
        QCOMPARE(lines[1].section(u',', 0, 0), QStringLiteral("13.375"));
        QCOMPARE(lines.back().section(u',', 0, 0), QStringLiteral("22000.000"));
        QCOMPARE(lines.back().count(u','), 1);

        writeBytes("bad.PA", QByteArray("\x00\x01\x02\xFF", 4));
        const ToolRun bad = ToolRun::of({"curve", path("bad.PA"), "0", "0"});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(bad.out.isEmpty());
        QVERIFY(!bad.err.isEmpty());
        QCOMPARE(ToolRun::of({"curve", path("none.PA"), "0", "0"}).exitCode, 1);
    }

    void refusedPresetSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("reason");
        QTest::newRow("value out of range")
            << QByteArray("GROUP2.ADDR64=80") << QByteArray("GROUP2.ADDR64=253")
            << "GROUP2.ADDR64=253 is not a value from 0 to 255 other than 253 and 255";
        QTest::newRow("key missing")
            << QByteArray("COMMON.ADDR200=") << QByteArray("X=") << "COMMON.ADDR200 is missing";
        QTest::newRow("a directory") << QByteArray() << QByteArray() << "it is a directory";
        QTest::newRow("no file name") << QByteArray() << QByteArray() << "no file name given";
    }

    // restore and show say the same of a file that does not import: the program's own text,
    // then the file and the reason.
    void refusedPresetSaysWhy()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, reason);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QString file = path("x.PA");
        if (!from.isEmpty()) {
            QVERIFY(ToolRun::of({"--simulate", "backup", file}).exitCode == 0);
            QByteArray bytes = readBytes("x.PA");
            QVERIFY(bytes.contains(from));
            writeBytes("x.PA", bytes.replace(from, to));
        } else if (reason.contains(u"directory")) {
            QVERIFY(QDir().mkdir(file));
        } else {
            file.clear();
        }
        const QString reasonLine =
            QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(file), reason);
        const ToolRun restore = ToolRun::of({"--simulate", "restore", file});
        QCOMPARE(restore.exitCode, 1);
        const QStringList lines = restore.err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Import failed!"));
        QVERIFY2(lines[1].startsWith(reasonLine), qPrintable(restore.err));

        const ToolRun show = ToolRun::of({"show", file});
        QCOMPARE(show.exitCode, 1);
        QVERIFY2(show.err.contains(reasonLine), qPrintable(show.err));
        QVERIFY(show.err.count(u'\n') <= 2);
    }

    void diffComparesNumbers()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        QByteArray bytes = readBytes("a.PA");
        writeBytes("b.PA", bytes.replace("GROUP2.ADDR64=80", "GROUP2.ADDR64=0x50"));
        const ToolRun run = ToolRun::of({"diff", path("a.PA"), path("b.PA")});
        QCOMPARE(run.out, QString());
        QCOMPARE(run.exitCode, 0);
    }

    void namedPipeIsNoFile()
    {
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        FifoUnblocker fifo(path("pipe.PA"));
        QVERIFY(fifo.created());
        const QList<QPair<QStringList, int>> runs{
            {{"show", path("pipe.PA")}, 1},
            {{"diff", path("a.PA"), path("pipe.PA")}, 2},
            {{"--simulate=" + path("pipe.PA"), "get", "0", "0x40"}, 1},
        };
        for (const auto& [words, exitCode] : runs) {
            const ToolRun run = ToolRun::of(words);
            QCOMPARE(run.exitCode, exitCode);
            QVERIFY2(run.err.contains(u"named pipe (FIFO), not a file"), qPrintable(run.err));
        }
    }

    void stateLinkLoopIsNoFreshProcessor()
    {
        const QString state = path("loop.PA");
        QVERIFY(QFile::link(state, state));
        const ToolRun run = ToolRun::of({"--simulate=" + state, "set", "0", "0x40", "5"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"leads nowhere"), qPrintable(run.err));
        QVERIFY(QFileInfo(state).isSymLink());
    }

    // A preset's bytes reach the terminal escaped, and diff reads a value as show and restore do.
    void valuesArePrintedEscapedAndReadOnce_data()
    {
        QTest::addColumn<QByteArray>("value"); // of GROUP2.ADDR64 (80 in a.PA) in b.PA
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");
        QTest::newRow("retitling the terminal, show")
            << QByteArray("\x1b]0;owned\x07") << "show" << 1 << "\\x1b]0;owned\\x07";
        QTest::newRow("clearing the terminal, diff")
            << QByteArray("\x1b[2J") << "diff" << 2 << "80\t\\x1b[2J";
        QTest::newRow("a C1 control, show")
            << QByteArray("\302\2332J") << "show" << 1 << "\\u009b2J";
        QTest::newRow("a no-break space before the number, diff")
            << QByteArray("\24080") << "diff" << 2 << "80\t\\xa080";
        QTest::newRow("the same number, diff") << QByteArray("0x50") << "diff" << 0 << "";
    }

    void valuesArePrintedEscapedAndReadOnce()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, command);
        QFETCH(QString, printed);
        QVERIFY(ToolRun::of({"--simulate", "backup", path("a.PA")}).exitCode == 0);
        writeBytes("b.PA", readBytes("a.PA").replace("GROUP2.ADDR64=80", "GROUP2.ADDR64=" + value));
        const ToolRun run = command == u"show" ? ToolRun::of({"show", path("b.PA")})
                                               : ToolRun::of({"diff", path("a.PA"), path("b.PA")});
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.out.contains(printed), qPrintable(run.out));
        if (run.exitCode != 0) {
            QVERIFY2(run.err.contains("GROUP2.ADDR64=" + printed.section(u'\t', -1)),
                     qPrintable(run.err));
        }
        // No control character but tab and line end reaches the terminal.
        QVERIFY(!QRegularExpression(QStringLiteral("[\\x00-\\x08\\x0b-\\x1f\\x7f-\\x9f]"))
                     .match(run.out + run.err)
                     .hasMatch());
    }

    // Names from the command line reach the file system byte for byte, whatever the locale, and
    // a name that is a folder is no preset's. Run through the shell: only it passes any bytes.
    void fileNamesAreBytes_data()
    {
        QTest::addColumn<QString>("script"); // $T is tonvexa-cli --simulate=state.PA
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArrayList>("files"); // there afterwards, or not when after a '!'
        const QString twoNames = QStringLiteral("$T backup \"$(printf 'show-\\351t\\351.PA')\" && "
                                                "$T backup \"$(printf 'show-\\340t\\340.PA')\"");
        const QByteArrayList both{"show-\xe9t\xe9.PA", "show-\xe0t\xe0.PA",
                                  "!show-\xef\xbf\xbdt\xef\xbf\xbd.PA"};
        QTest::newRow("two Latin-1 names, C") << twoNames << QByteArray("C") << 0 << both;
        QTest::newRow("two Latin-1 names, UTF-8") << twoNames << QByteArray("C.UTF-8") << 0 << both;
        QTest::newRow("an existing Latin-1 name")
            << QStringLiteral("$T backup a.PA && cp a.PA \"$(printf 'in\\376.PA')\" && "
                              "$T show \"$(printf 'in\\376.PA')\" > /dev/null")
            << QByteArray("C") << 0 << QByteArrayList{"in\xfe.PA"};
        QTest::newRow("a folder") << QStringLiteral("mkdir d && $T backup d/") << QByteArray("C")
                                  << 2 << QByteArrayList{"!d/.PA"};
        QTest::newRow("no name before the extension")
            << QStringLiteral("mkdir d && $T backup d/.pa") << QByteArray("C") << 2
            << QByteArrayList{"!d/.pa", "!d/.pa.PA"};
    }

    void fileNamesAreBytes()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, locale);
        QFETCH(QByteArrayList, files);
        const auto empty = qScopeGuard([this] { PresetTestSupport::emptyFolder(m_dir->path()); });
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        environment.insert(QStringLiteral("T"), QStringLiteral(TONVEXA_CLI " --simulate=state.PA"));
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(m_dir->path());
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
        QVERIFY(shell.waitForFinished(30000));
        QTEST(shell.exitCode(), "exitCode");
        for (const QByteArray& file : files) {
            const bool absent = file.startsWith('!');
            const QByteArray name = QFile::encodeName(m_dir->path()) + '/' + file.mid(absent);
            QVERIFY2((::access(name.constData(), F_OK) == 0) != absent, name.constData());
        }
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QByteArray readBytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeText(const QString& name, const char* text) const { writeBytes(name, text); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(tst_CliPresets)
#include "tst_CliPresets.moc"

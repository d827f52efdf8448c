#include "ToolRun.h"

#include <QTest>

class tst_CommandLineTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frame_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("printed");

        QTest::newRow("handshake")
            << QStringList{"frame", "15", "0", "0", "0x33"} << "FE,F0,00,33,00,23,44\n";
        QTest::newRow("&H numbers")
            << QStringList{"frame", "0", "0", "&H40", "&h50"} << "FE,00,40,50,00,00,8E\n";
        QTest::newRow("value defaults to 0")
            << QStringList{"frame", "4", "3", "0"} << "FE,43,00,00,00,00,41\n";
        QTest::newRow("255 takes the stored bytes")
            << QStringList{"frame", "0", "0", "3", "255"} << "FE,00,03,13,4B,0E,6D\n";
        QTest::newRow("password frame with zero bytes")
            << QStringList{"frame", "8", "0", "0"} << "FE,80,00,0E,00,00,00,00,00,00,00,00,00,8C\n";
        QTest::newRow("block read at a non-base address is a single frame")
            << QStringList{"frame", "1", "0", "5"} << "FE,10,05,00,00,00,13\n";
    }

    void frame()
    {
        QFETCH(QStringList, words);
        const ToolRun run = ToolRun::of(words);
        QCOMPARE(run.exitCode, 0);
        QTEST(run.out, "printed");
        QVERIFY(run.err.isEmpty());
    }

    void blockFrameIsPrintedWhole()
    {
        const ToolRun run = ToolRun::of({"frame", "2", "0", "0xC0"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.trimmed().split(u',').size(), 53);
        QVERIFY(run.out.startsWith(u"FE,20,C0,35,14,00,00,19"));
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("type above 15") << QStringList{"frame", "16", "0", "0"};
        QTest::newRow("mode above 7") << QStringList{"frame", "0", "8", "0"};
        QTest::newRow("address above 255") << QStringList{"frame", "0", "0", "256"};
        QTest::newRow("value above 255") << QStringList{"frame", "0", "0", "0", "0x100"};
        QTest::newRow("negative number") << QStringList{"frame", "0", "-1", "0"};
        QTest::newRow("not a number") << QStringList{"frame", "zero", "0", "0"};
        QTest::newRow("block write off a base") << QStringList{"frame", "2", "0", "0x41"};
        QTest::newRow("menu-show write off a base") << QStringList{"frame", "6", "0", "1"};
        QTest::newRow("too few arguments") << QStringList{"frame", "0", "0"};
        QTest::newRow("too many arguments") << QStringList{"frame", "0", "0", "0", "0", "0"};
        QTest::newRow("unknown command") << QStringList{"fly"};
        QTest::newRow("unknown option") << QStringList{"--fast", "frame", "0", "0", "0"};
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("send: block read off a base")
            << QStringList{"--simulate", "send", "1", "0", "0x41"};
        QTest::newRow("get: address outside the blocks")
            << QStringList{"--simulate", "get", "0", "0x30"};
        QTest::newRow("set: 253 cannot be read back")
            << QStringList{"--simulate", "set", "0", "0x40", "253"};
        QTest::newRow("set: 255 cannot be read back")
            << QStringList{"--simulate", "set", "0", "0x03", "10", "255", "14"};
        QTest::newRow("set: a band needs all three values")
            << QStringList{"--simulate", "set", "0", "0x03", "10"};
        QTest::newRow("set: VALUE2 without VALUE3")
            << QStringList{"--simulate", "set", "0", "0x40", "1", "2"};
        QTest::newRow("curve: group above 7") << QStringList{"curve", "a.PA", "0", "8"};
        QTest::newRow("curve: a frequency of 0")
            << QStringList{"curve", "a.PA", "0", "0", "--at", "100,0"};
        QTest::newRow("curve: a frequency that is no number")
            << QStringList{"curve", "a.PA", "0", "0", "--at=100,1k"};
        QTest::newRow("curve: another option")
            << QStringList{"curve", "a.PA", "0", "0", "--from", "100"};
        QTest::newRow("send: 253 cannot be read back")
            << QStringList{"--simulate", "send", "0", "0", "0x40", "253"};
        QTest::newRow("send: 255 cannot be read back")
            << QStringList{"--simulate", "send", "0", "0", "0x40", "0xFF"};
        QTest::newRow("send: no password of nine 0x00 bytes")
            << QStringList{"--simulate", "send", "8", "0", "0"};
        QTest::newRow("time-out scale not a number")
            << QStringList{"--timeout-scale", "nan", "--simulate", "get", "0", "0x40"};
        QTest::newRow("time-out scale without a factor") << QStringList{"--timeout-scale"};
        QTest::newRow("unknown simulated fault")
            << QStringList{"--simulate-faults=slow@3", "devices"};
        QTest::newRow("backup: empty name") << QStringList{"--simulate", "backup", ""};
    }

    void badUsage()
    {
        QFETCH(QStringList, words);
        const ToolRun run = ToolRun::of(words);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        // One line, naming the program.
        QVERIFY(run.err.startsWith(u"tonvexa-cli: "));
        QCOMPARE(run.err.count(u'\n'), 1);
    }

    void helpGoesToStandardOutput_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("program") << QStringList{"--help"};
        QTest::newRow("command") << QStringList{"frame", "--help"};
        QTest::newRow("option before command") << QStringList{"--help", "send"};
    }

    void helpGoesToStandardOutput()
    {
        QFETCH(QStringList, words);
        const ToolRun run = ToolRun::of(words);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(u"usage: tonvexa-cli"));
        QVERIFY(run.err.isEmpty());
    }

    void sendPrintsTheReplyAndLogsTheExchange()
    {
        const ToolRun run = ToolRun::of({"--simulate", "--log", "send", "0", "0", "0x40", "0x50"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("00,00,00,00\n"));
        QCOMPARE(run.err, QStringLiteral("发送: FE,F0,00,33,00,23,44\n"
                                         "接收: FE,23,23,44\n"
                                         "接收: 33,00,00,33\n"
                                         "发送: FE,00,40,50,00,00,8E\n"
                                         "接收: FE,23,23,44\n"
                                         "接收: 00,00,00,00\n"));
    }

    void getPrintsTheThreeFields_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("printed");
        QTest::newRow("effect band 1 of mode 3")
            << QStringList{"--simulate", "get", "3", "0x89"} << "41 75 14\n";
        QTest::newRow("common address in any mode")
            << QStringList{"--simulate", "get", "6", "0xC1"} << "25 0 0\n";
    }

    void getPrintsTheThreeFields()
    {
        QFETCH(QStringList, words);
        const ToolRun run = ToolRun::of(words);
        QCOMPARE(run.exitCode, 0);
        QTEST(run.out, "printed");
    }

    void setWritesOneFrame_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("frame");
        QTest::newRow("volume") << QStringList{"set", "2", "0x40", "33"}
                                << "发送: FE,02,40,21,00,00,61";
        QTest::newRow("band, three fields")
            << QStringList{"set", "1", "3", "131", "70", "31"} << "发送: FE,01,03,83,46,1F,EA";
        QTest::newRow("common address goes out in mode 0")
            << QStringList{"set", "5", "0xC8", "40"} << "发送: FE,00,C8,28,00,00,EE";
    }

    void setWritesOneFrame()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, frame);
        const ToolRun run = ToolRun::of(QStringList{"--simulate", "--log"} + words);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[3], frame);
    }

    void devicesListsTheSimulatedProcessor()
    {
        const ToolRun run = ToolRun::of({"--simulate", "devices"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("simulated processor\tinput 65 bytes\toutput 65 bytes\n"));
    }

    void simulatedFaultsReachTheProcessor()
    {
        // Frame 1 is the handshake; the block read (frame 2) fails all its eight attempts.
        const ToolRun run = ToolRun::of(
            {"--simulate-faults=silence@2-9", "--timeout-scale", "0.02", "get", "0", "0x40"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(u"Connection for data transmission timed out."));
        QCOMPARE(ToolRun::of({"--simulate-faults=silence@2-8", "--timeout-scale", "0.2", "get", "0",
                              "0x40"})
                     .out,
                 QStringLiteral("80 0 0\n"));
    }

    void sendReadsAPassword()
    {
        const ToolRun run = ToolRun::of({"--simulate", "send", "7", "0", "0"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("30,30,30,30,30,30,30,30,30,B0\n"));
    }
};

QTEST_GUILESS_MAIN(tst_CommandLineTool)
#include "tst_CommandLineTool.moc"

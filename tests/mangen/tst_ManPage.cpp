// The manual pages are made from the programs' --help: the help must be read back whole (wrapped
// lines joined, tables split into term and text) and written as roff that prints what it says.
#include "HelpText.h"
#include "ManPage.h"

#include <QTest>

namespace {

// The rows of every table as "Heading: term = text", one a line.
QString tablesOf(const HelpText& help)
{
    QStringList rows;
    for (const HelpText::Table& table : help.tables) {
        for (const HelpText::Row& row : table.rows)
            rows.append(QStringLiteral("%1: %2 = %3").arg(table.heading, row.term, row.text));
    }
    return rows.join(u'\n');
}

} // namespace

class tst_ManPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpIsReadBack_data()
    {
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<QString>("tables");

        QTest::newRow("window, as QCommandLineParser prints it")
            << QStringLiteral("Usage: /opt/build/app/tonvexa [options]\n"
                              "Control program.\n"
                              "\n"
                              "Options:\n"
                              "  -h, --help           Displays help.\n"
                              "  --simulate           Use the simulated processor; it keeps\n"
                              "                       its memory.\n"
                              "  --screenshot <FILE>  Save the window.\n")
            << QStringLiteral("tonvexa [options]") << QStringList{"Control program."}
            << QStringLiteral("Options: -h, --help = Displays help.\n"
                              "Options: --simulate = Use the simulated processor; it keeps its "
                              "memory.\n"
                              "Options: --screenshot <FILE> = Save the window.");
        QTest::newRow("command tool with commands and a closing line")
            << QStringLiteral("usage: tonvexa-cli [--log] COMMAND [ARGUMENTS]\n"
                              "\n"
                              "Talks to the processor.\n"
                              "Numbers are decimal.\n"
                              "\n"
                              "Commands:\n"
                              "  devices\n"
                              "  frame TYPE MODE ADDRESS [VALUE]\n"
                              "\n"
                              "tonvexa-cli COMMAND --help describes a command.\n")
            << QStringLiteral("tonvexa-cli [--log] COMMAND [ARGUMENTS]")
            << QStringList{"Talks to the processor. Numbers are decimal.",
                           "tonvexa-cli COMMAND --help describes a command."}
            << QStringLiteral("Commands: devices = \nCommands: frame TYPE MODE ADDRESS [VALUE] = ");
        QTest::newRow("one command, a line of prose ending in a colon")
            << QStringLiteral("usage: tonvexa-cli show FILE.PA\n"
                              "\n"
                              "Print a preset file as a table, columns as follows:\n"
                              "mode, address and name.\n")
            << QStringLiteral("tonvexa-cli show FILE.PA")
            << QStringList{"Print a preset file as a table, columns as follows: mode, address "
                           "and name."}
            << QString();
    }

    void helpIsReadBack()
    {
        QFETCH(QString, help);
        const HelpText parsed = HelpText::parse(help);
        QTEST(parsed.usage, "usage");
        QTEST(parsed.paragraphs, "paragraphs");
        QTEST(tablesOf(parsed), "tables");
    }

    void textIsEscapedForRoff_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("roff");
        QTest::newRow("options") << QStringLiteral("--simulate[=STATE.PA]")
                                 << QStringLiteral("\\-\\-simulate[=STATE.PA]");
        QTest::newRow("backslash") << QStringLiteral("C:\\x") << QStringLiteral("C:\\ex");
        QTest::newRow("leading dot")
            << QStringLiteral(".PA is appended") << QStringLiteral("\\&.PA is appended");
        QTest::newRow("leading quote") << QStringLiteral("'a'") << QStringLiteral("\\&'a'");
        QTest::newRow("Chinese") << QStringLiteral("音乐EQ1") << QStringLiteral("音乐EQ1");
    }

    void textIsEscapedForRoff()
    {
        QFETCH(QString, text);
        QTEST(ManPage::escaped(text), "roff");
    }

    void pageTakesItsPartsFromTheHelp()
    {
        const HelpText program = HelpText::parse(
            QStringLiteral("usage: tool [--log] COMMAND\n\nOptions:\n  --log  write the log\n\n"
                           "Commands:\n  get MODE\n"));
        const QList<HelpText> commands{
            HelpText::parse(QStringLiteral("usage: tool get MODE\n\nRead one.\n\nPrint it.\n"))};
        const QString page = QStringLiteral(".TH TOOL 1\n"
                                            ".SH SYNOPSIS\n.\\\" @synopsis\n"
                                            ".SH DESCRIPTION\n.\\\" @description\n"
                                            ".SH OPTIONS\n.\\\" @options\n"
                                            ".SH COMMANDS\n.\\\" @commands\n");
        QCOMPARE(
            ManPage::fill(page, program, commands),
            QStringLiteral(".TH TOOL 1\n"
                           ".SH SYNOPSIS\n\\fBtool\\fR [\\-\\-log] COMMAND\n"
                           ".SH DESCRIPTION\n" // the help has no prose: nothing, no blank
                           ".SH OPTIONS\n.TP\n\\fB\\-\\-log\\fR\nwrite the log\n"
                           ".SH COMMANDS\n.TP\n\\fBget MODE\\fR\nRead one.\n.IP\nPrint it.\n"));
    }
};

QTEST_GUILESS_MAIN(tst_ManPage)
#include "tst_ManPage.moc"

// mangen: writes a program's manual page from a hand-written roff page and the program's own
// --help text (and, for a program with commands, each command's --help).
#include "HelpText.h"
#include "ManPage.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <algorithm>

namespace {

constexpr int HelpTimeoutMs = 30000;

// The help text the program prints for these arguments; empty (said why) when it fails.
QString helpOf(const QString& program, const QStringList& arguments, QTextStream& err)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(HelpTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        err << "mangen: " << program << ' ' << arguments.join(u' ')
            << " failed: " << process.errorString() << ' ' << process.readAllStandardError()
            << '\n';
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: mangen PROGRAM PAGE.in OUT\n";
        return 2;
    }
    const QString& program = args[1];
    QFile pageFile(args[2]);
    if (!pageFile.open(QIODevice::ReadOnly)) {
        err << "mangen: cannot read " << args[2] << '\n';
        return 1;
    }
    const QString page = QString::fromUtf8(pageFile.readAll());

    const QString programHelp = helpOf(program, {QStringLiteral("--help")}, err);
    if (programHelp.isEmpty())
        return 1;
    const HelpText help = HelpText::parse(programHelp);
    QList<HelpText> commands;
    for (const HelpText::Row& row : help.table(QStringLiteral("Commands")).rows) {
        // The command's name: its leading lower-case words ("curve", "eq fit").
        QStringList words;
        for (const QString& word : row.term.split(u' ')) {
            if (word.isEmpty() || !std::all_of(word.begin(), word.end(),
                                               [](QChar c) { return c >= u'a' && c <= u'z'; })) {
                break;
            }
            words.append(word);
        }
        const QString commandHelp = helpOf(program, words << QStringLiteral("--help"), err);
        if (commandHelp.isEmpty())
            return 1;
        commands.append(HelpText::parse(commandHelp));
    }

    QFile out(args[3]);
    const QByteArray bytes = ManPage::fill(page, help, commands).toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        err << "mangen: cannot write " << args[3] << '\n';
        return 1;
    }
    return 0;
}

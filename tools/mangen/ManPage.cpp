#include "ManPage.h"

namespace {

QString bold(const QString& text)
{
    return QStringLiteral("\\fB") + ManPage::escaped(text) + QStringLiteral("\\fR");
}

QString paragraphs(const QStringList& texts, const QString& separator)
{
    QStringList lines;
    for (const QString& text : texts)
        lines.append(ManPage::escaped(text));
    return lines.join(u'\n' + separator + u'\n');
}

QString synopsis(const HelpText& program)
{
    const QString name = program.usage.section(u' ', 0, 0);
    const QString rest = program.usage.section(u' ', 1);
    return bold(name) + (rest.isEmpty() ? QString() : u' ' + ManPage::escaped(rest));
}

QString options(const HelpText& program)
{
    QStringList entries;
    for (const HelpText::Table& table : program.tables) {
        if (table.heading == u"Commands")
            continue;
        for (const HelpText::Row& row : table.rows)
            entries.append(QStringLiteral(".TP\n") + bold(row.term) + u'\n' +
                           ManPage::escaped(row.text));
    }
    return entries.join(u'\n');
}

QString commands(const QList<HelpText>& helps)
{
    QStringList entries;
    for (const HelpText& help : helps) {
        // The usage line names the program first; the entry shows the command from its name on.
        entries.append(QStringLiteral(".TP\n") + bold(help.usage.section(u' ', 1)) + u'\n' +
                       paragraphs(help.paragraphs, QStringLiteral(".IP")));
    }
    return entries.join(u'\n');
}

} // namespace

QString ManPage::fill(const QString& page, const HelpText& program,
                      const QList<HelpText>& commandHelps)
{
    QStringList lines;
    for (const QString& line : page.split(u'\n')) {
        QString generated;
        if (line == u".\\\" @synopsis")
            generated = synopsis(program);
        else if (line == u".\\\" @description")
            generated = paragraphs(program.paragraphs, QStringLiteral(".PP"));
        else if (line == u".\\\" @options")
            generated = options(program);
        else if (line == u".\\\" @commands")
            generated = commands(commandHelps);
        else
            generated = line;
        // An empty line would print as a blank line in roff; a part the help lacks is left out.
        if (!generated.isEmpty() || !line.startsWith(u".\\\" @"))
            lines.append(generated);
    }
    return lines.join(u'\n');
}

QString ManPage::escaped(const QString& text)
{
    QString result = text;
    result.replace(u'\\', QStringLiteral("\\e"));
    result.replace(u'-', QStringLiteral("\\-"));
    if (result.startsWith(u'.') || result.startsWith(u'\''))
        result.prepend(QStringLiteral("\\&"));
    return result;
}

#include "HelpText.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Table rows are indented by two spaces; their continuation lines by more.
constexpr int RowIndent = 2;

int indentOf(const QString& line)
{
    int i = 0;
    while (i < line.size() && line[i] == u' ')
        ++i;
    return i;
}

void appendWords(QString& text, const QString& words)
{
    if (!text.isEmpty())
        text += u' ';
    text += words.trimmed();
}

} // namespace

HelpText HelpText::parse(const QString& text)
{
    static const QRegularExpression usageLine(QStringLiteral("^usage:\\s*(\\S+)(.*)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression termGap(QStringLiteral("\\s{2,}"));
    HelpText help;
    Table* table = nullptr;
    bool inParagraph = false;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty()) {
            table = nullptr;
            inParagraph = false;
            continue;
        }
        const int indent = indentOf(line);
        if (const auto usage = usageLine.match(line); help.usage.isEmpty() && usage.hasMatch()) {
            help.usage = QFileInfo(usage.captured(1)).fileName();
            if (const QString rest = usage.captured(2).trimmed(); !rest.isEmpty())
                help.usage += u' ' + rest;
            continue;
        }
        // A heading is a line of its own ending in a colon with table rows right under it; prose
        // may end a line in a colon too.
        const bool rowFollows = i + 1 < lines.size() && indentOf(lines[i + 1]) == RowIndent;
        if (indent == 0 && line.endsWith(u':') && !inParagraph && rowFollows) {
            help.tables.append({line.chopped(1), {}});
            table = &help.tables.last();
            continue;
        }
        if (table && indent == RowIndent) {
            const QString row = line.mid(RowIndent);
            const auto gap = termGap.match(row);
            table->rows.append(gap.hasMatch()
                                   ? Row{row.left(gap.capturedStart()), row.mid(gap.capturedEnd())}
                                   : Row{row.trimmed(), {}});
            continue;
        }
        if (table && indent > RowIndent && !table->rows.isEmpty()) {
            appendWords(table->rows.last().text, line);
            continue;
        }
        if (!inParagraph)
            help.paragraphs.append(QString());
        appendWords(help.paragraphs.last(), line);
        inParagraph = true;
    }
    return help;
}

HelpText::Table HelpText::table(const QString& heading) const
{
    for (const Table& candidate : tables) {
        if (candidate.heading == heading)
            return candidate;
    }
    return {heading, {}};
}

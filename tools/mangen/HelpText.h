#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A program's --help output, read back into its parts: the usage line, the paragraphs of prose
// and the indented tables ("Options:", "Commands:") of terms and their descriptions. Wrapped
// lines are joined, so the parts do not depend on the width the program wrapped them to.
struct HelpText
{
    struct Row
    {
        QString term;
        QString text;
    };
    struct Table
    {
        QString heading; // without its colon
        QList<Row> rows;
    };

    QString usage; // the synopsis after "usage:", the program named without its folder
    QStringList paragraphs;
    QList<Table> tables;

    static HelpText parse(const QString& text);
    // The table under this heading, or an empty one.
    Table table(const QString& heading) const;
};

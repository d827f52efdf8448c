#pragma once

#include "HelpText.h"

#include <QList>
#include <QString>

// A manual page made of hand-written roff and the program's own --help text. The hand-written
// page marks with comment lines where the generated parts go:
//   .\" @synopsis      the usage line
//   .\" @description   the paragraphs of the program's help
//   .\" @options       every table of the program's help but "Commands"
//   .\" @commands      each command's own help: its usage line and description
// so the page cannot say other than --help.
class ManPage
{
public:
    // commands: the help of each command, in the order of the program's "Commands" table.
    static QString fill(const QString& page, const HelpText& program,
                        const QList<HelpText>& commands);
    // Text made safe for roff: backslashes, minus signs and a leading control character escaped.
    static QString escaped(const QString& text);
};

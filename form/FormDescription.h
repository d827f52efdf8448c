#pragma once

#include "FormError.h"
#include "FormNode.h"

#include <QList>
#include <QString>
#include <optional>

// The text form from which a window is built: one "Begin Class Name(index)" ... "End" block per
// control, frames holding their controls' blocks, "Key = value" pairs (several per line allowed)
// and "'" comments. Geometry keys Left, Top, Width and Height come together or not at all.
//
//     Begin ZEV_Studio.ScrollBar MyScrollBar(17)
//        Left = 1800  Top = 7200  Width = 2385  Height = 435
//        MaxValue = 160  BackPic = 244  TagNew = "Group,&H00"
//     End
class FormDescription
{
public:
    QString fileName;
    QList<FormNode> nodes;

    // Nothing is returned for a malformed text; the error names the file and line.
    static std::optional<FormDescription> parse(QStringView text, const QString& fileName,
                                                FormError& error);
    static std::optional<FormDescription> readFile(const QString& path, FormError& error);
};

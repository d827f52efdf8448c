#pragma once

#include "FormDescription.h"

#include <QString>

// A window description laid out as text for reading and editing by hand: parsing it gives the
// same description. The program only reads descriptions; tests write them to check the reader.
namespace FormText {

inline constexpr int IndentStep = 3;
inline constexpr int PreferredLineLength = 96;

inline QString number(double value)
{
    return QString::number(value, 'g', 12);
}

inline QString value(const FormProperty& p)
{
    if (!p.quoted) {
        return p.text;
    }
    QString text = p.text;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

inline void appendNode(QString& out, const FormNode& node, int depth)
{
    const QString indent(depth * IndentStep, u' ');
    const QString inner((depth + 1) * IndentStep, u' ');
    out += indent + QStringLiteral("Begin %1 %2\n").arg(node.className, node.displayName());
    if (node.geometry) {
        const QRectF& g = *node.geometry;
        out += inner +
               QStringLiteral("Left = %1  Top = %2  Width = %3  Height = %4\n")
                   .arg(number(g.left()), number(g.top()), number(g.width()), number(g.height()));
    }
    QString line;
    for (const FormProperty& p : node.properties) {
        const QString pair = p.key + QStringLiteral(" = ") + value(p);
        if (!line.isEmpty() && inner.size() + line.size() + 2 + pair.size() > PreferredLineLength) {
            out += inner + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral("  ")) + pair;
    }
    if (!line.isEmpty()) {
        out += inner + line + u'\n';
    }
    for (const FormNode& child : node.children) {
        appendNode(out, child, depth + 1);
    }
    out += indent + QStringLiteral("End\n");
}

} // namespace FormText

inline QString formText(const FormDescription& description)
{
    QString out;
    for (const FormNode& node : description.nodes) {
        FormText::appendNode(out, node, 0);
    }
    return out;
}

#include "FormDescription.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <array>

namespace {

constexpr std::array<QStringView, 4> GeometryKeys{u"Left", u"Top", u"Width", u"Height"};

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isIdentifierPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}

// Reads one line of a description. A failure leaves a message and stops the whole parse.
class LineScanner
{
public:
    explicit LineScanner(QStringView line)
        : m_line(line)
    {}

    void skipBlanks()
    {
        while (m_pos < m_line.size() && m_line[m_pos].isSpace()) {
            ++m_pos;
        }
    }
    // A comment runs from "'" outside a quoted value to the end of the line.
    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_line.size() || m_line[m_pos] == u'\'';
    }
    QStringView word()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_line.size() && !m_line[m_pos].isSpace() && m_line[m_pos] != u'\'') {
            ++m_pos;
        }
        return m_line.mid(start, m_pos - start);
    }
    QStringView identifier()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        if (m_pos < m_line.size() && isIdentifierStart(m_line[m_pos])) {
            ++m_pos;
            while (m_pos < m_line.size() && isIdentifierPart(m_line[m_pos])) {
                ++m_pos;
            }
        }
        return m_line.mid(start, m_pos - start);
    }
    QStringView digits()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos].isDigit()) {
            ++m_pos;
        }
        return m_line.mid(start, m_pos - start);
    }
    bool take(QChar c)
    {
        skipBlanks();
        if (m_pos < m_line.size() && m_line[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    // A quoted value doubles its inner quotes, as in "say ""hi""".
    std::optional<QString> quoted()
    {
        QString text;
        ++m_pos; // opening quote
        while (m_pos < m_line.size()) {
            const QChar c = m_line[m_pos++];
            if (c != u'"') {
                text.append(c);
            } else if (m_pos < m_line.size() && m_line[m_pos] == u'"') {
                text.append(c);
                ++m_pos;
            } else {
                return text;
            }
        }
        return std::nullopt;
    }
    bool atQuote()
    {
        skipBlanks();
        return m_pos < m_line.size() && m_line[m_pos] == u'"';
    }

private:
    QStringView m_line;
    qsizetype m_pos = 0;
};

class Parser
{
    Q_DECLARE_TR_FUNCTIONS(FormDescription)

public:
    Parser(const QString& fileName, FormError& error)
        : m_fileName(fileName)
        , m_error(error)
    {}

    std::optional<FormDescription> run(QStringView text)
    {
        FormDescription description;
        description.fileName = m_fileName;
        int lineNumber = 0;
        for (QStringView line : text.split(u'\n')) {
            ++lineNumber;
            if (line.endsWith(u'\r')) {
                line.chop(1);
            }
            if (!parseLine(line, lineNumber, description)) {
                return std::nullopt;
            }
        }
        if (!m_open.isEmpty()) {
            return failAt(
                m_open.last().line,
                tr("\"Begin %1\" has no matching \"End\"").arg(m_open.last().displayName()));
        }
        return description;
    }

private:
    bool parseLine(QStringView line, int lineNumber, FormDescription& description)
    {
        LineScanner scan(line);
        if (scan.atEnd()) {
            return true;
        }
        LineScanner lookahead(line);
        const QStringView first = lookahead.word();
        if (first.compare(u"Begin", Qt::CaseInsensitive) == 0) {
            return parseBegin(lookahead, lineNumber);
        }
        if (first.compare(u"End", Qt::CaseInsensitive) == 0) {
            if (!lookahead.atEnd()) {
                return fail(lineNumber, tr("nothing may follow \"End\""));
            }
            return parseEnd(lineNumber, description);
        }
        if (m_open.isEmpty()) {
            return fail(lineNumber, tr("a property outside any \"Begin\" block"));
        }
        while (!scan.atEnd()) {
            if (!parseProperty(scan, lineNumber)) {
                return false;
            }
        }
        return true;
    }

    bool parseBegin(LineScanner& scan, int lineNumber)
    {
        FormNode node;
        node.line = lineNumber;
        node.className = scan.word().toString();
        if (node.className.isEmpty()) {
            return fail(lineNumber, tr("\"Begin\" needs a class and a name"));
        }
        node.name = scan.identifier().toString();
        if (node.name.isEmpty() || node.name.contains(u'.')) {
            return fail(lineNumber, tr("\"Begin %1\" needs a control name, such as "
                                       "btnMode or btnMode(2)")
                                        .arg(node.className));
        }
        if (scan.take(u'(')) {
            bool ok = false;
            node.index = scan.digits().toInt(&ok);
            if (!ok || !scan.take(u')')) {
                return fail(lineNumber, tr("the element index of %1 must be a whole "
                                           "number from 0 in parentheses")
                                            .arg(node.name));
            }
        }
        if (!scan.atEnd()) {
            return fail(lineNumber,
                        tr("unexpected text after the name of %1").arg(node.displayName()));
        }
        m_open.append(node);
        return true;
    }

    bool parseEnd(int lineNumber, FormDescription& description)
    {
        if (m_open.isEmpty()) {
            return fail(lineNumber, tr("\"End\" without a \"Begin\""));
        }
        FormNode node = m_open.takeLast();
        if (!takeGeometry(node)) {
            return false;
        }
        if (m_open.isEmpty()) {
            description.nodes.append(node);
        } else {
            m_open.last().children.append(node);
        }
        return true;
    }

    bool parseProperty(LineScanner& scan, int lineNumber)
    {
        const QStringView key = scan.identifier();
        if (key.isEmpty() || key.contains(u'.')) {
            return fail(lineNumber, tr("expected \"Key = value\""));
        }
        if (!scan.take(u'=')) {
            return fail(lineNumber, tr("expected \"=\" after %1").arg(key));
        }
        // Written back, "Begin = x" would open a block: the keywords are no property names.
        if (key.compare(u"Begin", Qt::CaseInsensitive) == 0 ||
            key.compare(u"End", Qt::CaseInsensitive) == 0) {
            return fail(lineNumber, tr("%1 is a keyword, not a property").arg(key));
        }
        FormProperty property;
        property.key = key.toString();
        property.line = lineNumber;
        if (scan.atQuote()) {
            const std::optional<QString> text = scan.quoted();
            if (!text) {
                return fail(lineNumber, tr("the text of %1 has no closing quote").arg(key));
            }
            property.text = *text;
            property.quoted = true;
        } else {
            property.text = scan.word().toString();
            if (property.text.isEmpty()) {
                return fail(lineNumber, tr("%1 has no value").arg(key));
            }
        }
        FormNode& node = m_open.last();
        if (node.property(property.key)) {
            return fail(lineNumber, tr("%1 is given twice for %2").arg(key, node.displayName()));
        }
        node.properties.append(property);
        return true;
    }

    // Left, Top, Width and Height move from the properties into the node's geometry.
    bool takeGeometry(FormNode& node)
    {
        std::array<double, 4> values{};
        int found = 0;
        for (std::size_t i = 0; i < GeometryKeys.size(); ++i) {
            const FormProperty* p = node.property(GeometryKeys[i]);
            if (!p) {
                continue;
            }
            bool ok = false;
            values[i] = p->text.toDouble(&ok);
            if (!ok || p->quoted) {
                return fail(p->line, tr("%1 of %2 must be a number of twips, not "
                                        "\"%3\"")
                                         .arg(p->key, node.displayName(), p->text));
            }
            if (i >= 2 && values[i] < 0) {
                return fail(p->line,
                            tr("%1 of %2 must not be negative").arg(p->key, node.displayName()));
            }
            node.geometryLine = p->line;
            ++found;
        }
        if (found == 0) {
            return true;
        }
        if (found < int(GeometryKeys.size())) {
            return fail(node.line,
                        tr("%1 needs all of Left, Top, Width and Height").arg(node.displayName()));
        }
        node.geometry = QRectF(values[0], values[1], values[2], values[3]);
        node.properties.removeIf([](const FormProperty& p) {
            for (QStringView key : GeometryKeys) {
                if (key.compare(p.key, Qt::CaseInsensitive) == 0) {
                    return true;
                }
            }
            return false;
        });
        return true;
    }

    bool fail(int line, const QString& message)
    {
        m_error = FormError{m_fileName, line, message};
        return false;
    }
    std::nullopt_t failAt(int line, const QString& message)
    {
        fail(line, message);
        return std::nullopt;
    }

    QString m_fileName;
    FormError& m_error;
    QList<FormNode> m_open;
};

} // namespace

std::optional<FormDescription> FormDescription::parse(QStringView text, const QString& fileName,
                                                      FormError& error)
{
    return Parser(fileName, error).run(text);
}

std::optional<FormDescription> FormDescription::readFile(const QString& path, FormError& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = FormError{
            path, 0,
            QCoreApplication::translate("FormDescription", "cannot read the window description: %1")
                .arg(file.errorString())};
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError()) {
        error = FormError{path, 0,
                          QCoreApplication::translate("FormDescription",
                                                      "the window description is not UTF-8 text")};
        return std::nullopt;
    }
    return parse(text, path, error);
}

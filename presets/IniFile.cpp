#include "IniFile.h"

namespace {

constexpr QByteArrayView Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

QByteArray lowered(QByteArrayView text)
{
    return text.toByteArray().toLower();
}

// The name of a section header line ("[Main]", " [ main ] junk"), or nullopt for other lines.
std::optional<QByteArray> headerName(QByteArrayView text)
{
    text = trimmed(text);
    if (!text.startsWith('[')) {
        return std::nullopt;
    }
    text = text.sliced(1);
    const qsizetype close = text.indexOf(']');
    return lowered(trimmed(close < 0 ? text : text.first(close)));
}

// The lower-case key of a key line, or nullopt for comments and lines without '='.
std::optional<QByteArray> keyName(QByteArrayView text)
{
    const qsizetype equals = text.indexOf('=');
    if (equals < 0 || trimmed(text).startsWith(';')) {
        return std::nullopt;
    }
    const QByteArrayView key = trimmed(text.first(equals));
    if (key.isEmpty()) {
        return std::nullopt;
    }
    return lowered(key);
}

} // namespace

IniFile::IniFile(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8ByteOrderMark)) {
        m_byteOrderMark = Utf8ByteOrderMark.toByteArray();
        bytes = bytes.sliced(Utf8ByteOrderMark.size());
    }
    bool lineEndSeen = false;
    while (!bytes.isEmpty()) {
        const qsizetype newline = bytes.indexOf('\n');
        if (newline < 0) {
            addLine(bytes.toByteArray(), {});
            break;
        }
        QByteArrayView text = bytes.first(newline);
        QByteArray end = "\n";
        if (text.endsWith('\r')) {
            text.chop(1);
            end = "\r\n";
        }
        if (!lineEndSeen) {
            m_lineEnd = end;
            lineEndSeen = true;
        }
        addLine(text.toByteArray(), end);
        bytes = bytes.sliced(newline + 1);
    }
}

void IniFile::addLine(QByteArray text, QByteArray end)
{
    if (const auto name = headerName(text)) {
        if (!m_sectionIndex.contains(*name)) {
            m_sectionIndex.insert(*name, int(m_sections.size()));
        }
        m_sections.push_back(Section{*name, {}, {}});
    } else if (const auto key = keyName(text); key && !m_sections.back().keys.contains(*key)) {
        m_sections.back().keys.insert(*key, int(m_sections.back().lines.size()));
    }
    m_sections.back().lines.push_back(Line{std::move(text), std::move(end)});
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes = m_byteOrderMark;
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) {
            bytes += line.text;
            bytes += line.end;
        }
    }
    return bytes;
}

const IniFile::Section* IniFile::findSection(QByteArrayView name) const
{
    const auto found = m_sectionIndex.constFind(lowered(name));
    return found == m_sectionIndex.cend() ? nullptr : &m_sections[found.value()];
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    const Section* s = findSection(section);
    if (!s) {
        return std::nullopt;
    }
    const auto found = s->keys.constFind(lowered(key));
    if (found == s->keys.cend()) {
        return std::nullopt;
    }
    const QByteArray& text = s->lines[found.value()].text;
    QByteArrayView value = QByteArrayView(text).sliced(text.indexOf('=') + 1);
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0) {
        value = value.first(nul);
    }
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    return value.toByteArray();
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    Section& s = sectionForWriting(section);
    const QByteArray lowerKey = lowered(key);
    if (const auto found = s.keys.constFind(lowerKey); found != s.keys.cend()) {
        // Keep the key as it is spelled in the file and the blanks after '='.
        QByteArray& text = s.lines[found.value()].text;
        qsizetype valueStart = text.indexOf('=') + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t')) {
            ++valueStart;
        }
        text = text.first(valueStart) + value.toByteArray();
        return;
    }
    // After the last non-blank line, so that blank lines keep separating the next section.
    int at = int(s.lines.size());
    while (at > 0 && trimmed(s.lines[at - 1].text).isEmpty()) {
        --at;
    }
    if (at > 0 && s.lines[at - 1].end.isEmpty()) {
        s.lines[at - 1].end = m_lineEnd;
    }
    s.lines.insert(s.lines.begin() + at,
                   Line{key.toByteArray() + '=' + value.toByteArray(), m_lineEnd});
    s.keys.insert(lowerKey, at);
}

IniFile::Section& IniFile::sectionForWriting(QByteArrayView name)
{
    const QByteArray lowerName = lowered(name);
    if (const auto found = m_sectionIndex.constFind(lowerName); found != m_sectionIndex.cend()) {
        return m_sections[found.value()];
    }
    Section& last = m_sections.back();
    if (!last.lines.empty()) {
        if (last.lines.back().end.isEmpty()) {
            last.lines.back().end = m_lineEnd;
        }
        if (!trimmed(last.lines.back().text).isEmpty()) {
            last.lines.push_back(Line{{}, m_lineEnd}); // a blank line before the new section
        }
    }
    m_sectionIndex.insert(lowerName, int(m_sections.size()));
    m_sections.push_back(Section{lowerName, {Line{'[' + name.toByteArray() + ']', m_lineEnd}}, {}});
    return m_sections.back();
}

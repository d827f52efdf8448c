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

IniFile::IniFile(const QByteArray& bytes)
    : m_bytes(bytes)
{
    QByteArrayView rest = m_bytes;
    if (rest.startsWith(Utf8ByteOrderMark)) {
        m_byteOrderMark = true;
        rest = rest.sliced(Utf8ByteOrderMark.size());
    }
    bool lineEndSeen = false;
    while (!rest.isEmpty()) {
        const qsizetype newline = rest.indexOf('\n');
        QByteArrayView text = newline < 0 ? rest : rest.first(newline);
        LineEnd end = LineEnd::None;
        if (newline >= 0) {
            end = text.endsWith('\r') ? LineEnd::CrLf : LineEnd::Lf;
            text.chop(end == LineEnd::CrLf ? 1 : 0);
            if (!lineEndSeen) {
                m_lineEnd = end;
                lineEndSeen = true;
            }
        }
        addLine(QByteArray::fromRawData(text.data(), text.size()), end);
        rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
    }
}

void IniFile::addLine(QByteArray text, LineEnd end)
{
    if (const auto name = headerName(text)) {
        if (!m_sectionIndex.contains(*name)) {
            m_sectionIndex.insert(*name, int(m_sections.size()));
        }
        m_sections.push_back(Section{*name, {}, {}});
    }
    m_sections.back().lines.push_back(Line{std::move(text), end});
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(m_bytes.size() + 64 * 1024);
    if (m_byteOrderMark) {
        bytes += Utf8ByteOrderMark;
    }
    for (const Section& section : m_sections) {
        for (const Line& line : section.lines) {
            bytes += line.text;
            if (line.end != LineEnd::None) {
                bytes += line.end == LineEnd::CrLf ? QByteArrayView("\r\n") : QByteArrayView("\n");
            }
        }
    }
    return bytes;
}

const IniFile::Section* IniFile::findSection(QByteArrayView name) const
{
    const auto found = m_sectionIndex.constFind(lowered(name));
    return found == m_sectionIndex.cend() ? nullptr : &m_sections[found.value()];
}

QHash<QByteArray, int>& IniFile::keyIndex(const Section& section)
{
    if (!section.keys) {
        section.keys.emplace();
        for (int i = 0; i < int(section.lines.size()); ++i) {
            if (const auto key = keyName(section.lines[i].text);
                key && !section.keys->contains(*key)) {
                section.keys->insert(*key, i);
            }
        }
    }
    return *section.keys;
}

std::optional<QByteArray> IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    const Section* s = findSection(section);
    if (!s) {
        return std::nullopt;
    }
    const QHash<QByteArray, int>& keys = keyIndex(*s);
    const auto found = keys.constFind(lowered(key));
    if (found == keys.cend()) {
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
    QHash<QByteArray, int>& keys = keyIndex(s);
    if (const auto found = keys.constFind(lowerKey); found != keys.cend()) {
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
    if (at > 0 && s.lines[at - 1].end == LineEnd::None) {
        s.lines[at - 1].end = m_lineEnd;
    }
    s.lines.insert(s.lines.begin() + at,
                   Line{key.toByteArray() + '=' + value.toByteArray(), m_lineEnd});
    keys.insert(lowerKey, at);
}

IniFile::Section& IniFile::sectionForWriting(QByteArrayView name)
{
    const QByteArray lowerName = lowered(name);
    if (const auto found = m_sectionIndex.constFind(lowerName); found != m_sectionIndex.cend()) {
        return m_sections[found.value()];
    }
    Section& last = m_sections.back();
    if (!last.lines.empty()) {
        if (last.lines.back().end == LineEnd::None) {
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

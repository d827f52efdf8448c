#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <optional>
#include <vector>

// An INI file held in memory with the semantics of Windows private-profile files, so that files
// written or edited by other tools read here as they read there and keep their shape when we
// write them back:
// - section and key names are compared without regard to ASCII case; the first matching section
//   and, within it, the first matching key win;
// - a value is the text after the first '=', cut at a NUL byte, trimmed of blanks, and taken out
//   of one pair of matching quotes;
// - lines starting with ';' are comments; lines before the first section belong to no section;
// - writing overwrites a key in place, appends a new key after the last non-blank line of its
//   section and a missing section at the end of the file; every other byte (comments, blank
//   lines, unknown keys and sections, each line's own line end) is kept exactly.
// The file is bytes: names and values are compared and written as ASCII, nothing is decoded.
class IniFile
{
public:
    IniFile() = default;
    explicit IniFile(const QByteArray& bytes);

    QByteArray toBytes() const;

    bool hasSection(QByteArrayView section) const { return findSection(section) != nullptr; }
    // nullopt when the section or the key is missing; an empty value is an empty text.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

private:
    // None: a last line without a line end.
    enum class LineEnd : quint8
    {
        None,
        Lf,
        CrLf
    };

    // An unchanged line's text points into m_bytes: a file of many short lines costs no
    // allocation per line.
    struct Line
    {
        QByteArray text;
        LineEnd end;
    };

    struct Section
    {
        QByteArray name;         // lower-case; empty for the lines before the first section header
        std::vector<Line> lines; // the header line first, where there is one
        // Lower-case key -> line of its first occurrence; built when the section is first used,
        // so that a file of many small sections costs no index per section.
        mutable std::optional<QHash<QByteArray, int>> keys;
    };

    void addLine(QByteArray text, LineEnd end);
    const Section* findSection(QByteArrayView name) const;
    static QHash<QByteArray, int>& keyIndex(const Section& section);
    Section& sectionForWriting(QByteArrayView name);

    QByteArray m_bytes; // the file as read
    bool m_byteOrderMark = false;
    LineEnd m_lineEnd = LineEnd::CrLf; // for new lines: the style of the file's first line end
    std::vector<Section> m_sections{Section{}};
    QHash<QByteArray, int> m_sectionIndex; // lower-case name -> first section of that name
};

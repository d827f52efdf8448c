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
    explicit IniFile(QByteArrayView bytes);

    QByteArray toBytes() const;

    bool hasSection(QByteArrayView section) const { return findSection(section) != nullptr; }
    // nullopt when the section or the key is missing; an empty value is an empty text.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

private:
    struct Line
    {
        QByteArray text;
        QByteArray end; // "\r\n", "\n", or empty on a last line without a line end
    };

    struct Section
    {
        QByteArray name;         // lower-case; empty for the lines before the first section header
        std::vector<Line> lines; // the header line first, where there is one
        QHash<QByteArray, int> keys; // lower-case key -> line of its first occurrence
    };

    void addLine(QByteArray text, QByteArray end);
    const Section* findSection(QByteArrayView name) const;
    Section& sectionForWriting(QByteArrayView name);

    QByteArray m_byteOrderMark;
    QByteArray m_lineEnd = "\r\n"; // for new lines: the style of the file's first line end
    std::vector<Section> m_sections{Section{}};
    QHash<QByteArray, int> m_sectionIndex; // lower-case name -> first section of that name
};

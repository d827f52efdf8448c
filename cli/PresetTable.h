#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A preset file as rows a person can read: one row per mode and address, the common parameters
// and the menu-show flags, in the file's own order. Values are shown as the file has them, "-"
// where a key is missing, with control characters and bytes that are not text escaped so that a
// file cannot drive the terminal; bands, cuts and the effect parameters are also decoded. Every
// value is read as an import reads it.
class PresetTable
{
public:
    struct Row
    {
        QString scope; // "0".."7", "COMMON" or "MENUSHOW"
        int address;
        QString name;
        // One per key (three for a band, one otherwise) as the file has it; nullopt where the key
        // is missing.
        QList<std::optional<QByteArray>> values;

        // The row as tab-separated columns: scope, address, name, values, decoded meaning.
        QString text() const;
        // The values as shown: escaped, "-" where missing, separated by spaces.
        QString shownValues() const;
        // The value as the import reads it; nullopt when it is missing or does not read.
        std::optional<quint8> byte(qsizetype index) const;
        // The same numbers ("0x50" and "80" are one value); values that do not read are the same
        // only as the same text, and a missing one only as a missing one.
        bool sameValues(const Row& other) const;
    };

    // Nothing, with the reason in error, when the file cannot be read or is not a preset.
    static std::optional<PresetTable> read(const QString& path, QString& error);

    const QList<Row>& rows() const { return m_rows; }
    // Why the window's import would refuse the file (the first bad or missing key), or empty.
    const QString& importProblem() const { return m_importProblem; }
    // The first key whose value is there but does not read as a value, or empty.
    const QString& badValue() const { return m_badValue; }

private:
    QList<Row> m_rows;
    QString m_importProblem;
    QString m_badValue;
};

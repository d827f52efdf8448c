#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A preset file as rows a person can read: one row per mode and address, the common parameters
// and the menu-show flags, in the file's own order. Values are shown as the file has them, "-"
// where a key is missing; bands, cuts and the effect parameters are also decoded.
class PresetTable
{
public:
    struct Row
    {
        QString scope; // "0".."7", "COMMON" or "MENUSHOW"
        int address;
        QString name;
        QStringList values; // one per key: three for a band, one otherwise

        // The row as tab-separated columns: scope, address, name, values, decoded meaning.
        QString text() const;
        // The same numbers ("0x50" and "80" are one value); text where a value is no number.
        bool sameValues(const Row& other) const;
    };

    // Nothing, with the reason in error, when the file cannot be read or is not a preset.
    static std::optional<PresetTable> read(const QString& path, QString& error);

    const QList<Row>& rows() const { return m_rows; }
    // Why the window's import would refuse the file (the first bad or missing key), or empty.
    const QString& importProblem() const { return m_importProblem; }

private:
    QList<Row> m_rows;
    QString m_importProblem;
};

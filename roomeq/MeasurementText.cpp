#include "MeasurementText.h"

#include "RegularFile.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace MeasurementText {

namespace {

// A long sweep exported at full resolution runs to a few megabytes.
constexpr qint64 MaxBytes = 32 * 1024 * 1024;

bool isComment(QStringView line)
{
    return line.startsWith(u'*') || line.startsWith(u'#');
}

// The columns a CSV header names, or nothing when the line is no such header.
std::optional<std::pair<qsizetype, qsizetype>> headerColumns(const QString& line)
{
    QStringList names = line.split(u',');
    for (QString& name : names) {
        name = name.trimmed().toLower();
    }
    const qsizetype frequency = names.indexOf(QStringLiteral("frequency"));
    const qsizetype raw = names.indexOf(QStringLiteral("raw"));
    if (frequency < 0 || raw < 0) {
        return std::nullopt;
    }
    return std::pair{frequency, raw};
}

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

Result read(QStringView text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    MeasuredResponse response;
    // Without a header: the first two columns, separated by blanks, tabs or commas.
    std::pair<qsizetype, qsizetype> columns{0, 1};
    bool csv = false;
    bool first = true;
    const QList<QStringView> lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed().toString();
        const auto refused = [&](const QString& reason) {
            return Result{std::nullopt,
                          QCoreApplication::translate("MeasurementText", "line %1 (%2): %3")
                              .arg(i + 1)
                              .arg(line, reason)};
        };
        if (line.isEmpty() || isComment(line)) {
            continue;
        }
        if (first && line.front().isLetter()) {
            const auto named = headerColumns(line);
            if (!named) {
                return refused(QCoreApplication::translate(
                    "MeasurementText", "a header must name the columns frequency and raw"));
            }
            columns = *named;
            csv = true;
            first = false;
            continue;
        }
        first = false;
        const QStringList fields = csv ? line.split(u',') : line.split(separators);
        if (fields.size() <= std::max(columns.first, columns.second)) {
            return refused(QCoreApplication::translate("MeasurementText",
                                                       "a frequency and a level in dB expected"));
        }
        const auto hz = number(fields[columns.first].trimmed());
        const auto db = number(fields[columns.second].trimmed());
        if (!hz || !db) {
            return refused(QCoreApplication::translate(
                "MeasurementText", "a frequency and a level in dB expected, as numbers "
                                   "with a decimal point"));
        }
        if (*hz <= 0 || (!response.hz.empty() && *hz <= response.hz.back())) {
            return refused(QCoreApplication::translate(
                "MeasurementText", "the frequencies must be above 0 Hz and rise from line "
                                   "to line"));
        }
        response.hz.push_back(*hz);
        response.db.push_back(*db);
    }
    if (response.hz.size() < 2) {
        return {std::nullopt, QCoreApplication::translate(
                                  "MeasurementText", "it holds fewer than two measured points")};
    }
    return {response, {}};
}

Result readFile(const QString& path)
{
    QString error;
    const std::optional<QString> text = RegularFile::readText(path, MaxBytes, error);
    return text ? read(*text) : Result{std::nullopt, error};
}

} // namespace MeasurementText

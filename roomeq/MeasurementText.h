#pragma once

#include "MeasuredResponse.h"

#include <QString>
#include <QStringView>
#include <optional>

// The text a room-measurement program exports: comment lines starting with "*" or "#", then one
// point a line, frequency and level separated by blanks, tabs or commas (further columns
// ignored); or CSV whose header names the columns "frequency" and "raw". Numbers take a
// decimal point; frequencies rise from line to line.
namespace MeasurementText {

struct Result
{
    std::optional<MeasuredResponse> response;
    QString error; // "line N (text): why", when the text is refused
};

Result read(QStringView text);
// The file at path, or the reason it cannot be read.
Result readFile(const QString& path);

} // namespace MeasurementText

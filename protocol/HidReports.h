#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

// The report layout shared by the program and the processor: output reports
// [1][length][payload][zero padding], input reports [2][length][payload][ignored].
namespace HidReports {

inline constexpr quint8 OutputReportId = 1;
inline constexpr quint8 InputReportId = 2;
// Used when a device's report descriptor cannot be read.
inline constexpr int DefaultReportLength = 65;
// The largest report the link handles; a device with longer reports is not supported.
inline constexpr int MaxReportLength = 67;

// Splits data into output reports of reportLength bytes (report id included), each carrying at
// most reportLength - 2 payload bytes. Empty data gives no report; a report length below 3
// cannot carry a payload and gives none either.
QList<QByteArray> buildOutputReports(QByteArrayView data, int reportLength);

// The payload of an input report, or nothing for a report with another id, a zero length, or a
// length byte that claims more bytes than were read.
std::optional<QByteArray> parseInputReport(QByteArrayView report);

// An input report as the processor sends it, padded to reportLength.
QByteArray buildInputReport(QByteArrayView payload, int reportLength);

} // namespace HidReports

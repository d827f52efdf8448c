#include "HidReports.h"

namespace HidReports {

namespace {

QByteArray buildReport(quint8 id, QByteArrayView payload, int reportLength)
{
    QByteArray report(reportLength, '\0');
    report[0] = char(id);
    report[1] = char(payload.size());
    std::copy(payload.begin(), payload.end(), report.begin() + 2);
    return report;
}

} // namespace

QList<QByteArray> buildOutputReports(QByteArrayView data, int reportLength)
{
    QList<QByteArray> reports;
    const qsizetype chunk = reportLength - 2;
    if (chunk < 1) {
        return reports;
    }
    for (qsizetype offset = 0; offset < data.size(); offset += chunk) {
        reports.append(buildReport(
            OutputReportId, data.sliced(offset, qMin(chunk, data.size() - offset)), reportLength));
    }
    return reports;
}

std::optional<QByteArray> parseInputReport(QByteArrayView report)
{
    if (report.size() < 3 || quint8(report[0]) != InputReportId) {
        return std::nullopt;
    }
    const int length = quint8(report[1]);
    if (length == 0 || length > report.size() - 2) {
        return std::nullopt;
    }
    return report.sliced(2, length).toByteArray();
}

QByteArray buildInputReport(QByteArrayView payload, int reportLength)
{
    Q_ASSERT(payload.size() <= reportLength - 2);
    return buildReport(InputReportId, payload, reportLength);
}

} // namespace HidReports

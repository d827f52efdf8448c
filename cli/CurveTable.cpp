#include "CurveTable.h"

#include "EqGroupTable.h"
#include "EqResponse.h"

#include <array>
#include <cmath>

namespace CurveTable {

namespace {

QString number(float value)
{
    // A value that rounds to zero prints as 0.000, never -0.000.
    const double rounded = std::round(double(value) * 1000) / 1000;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 3);
}

QStringList rowsOf(EqResponse& response, ParamModel& model, int mode, int group)
{
    const std::vector<ResponseCurve> curves = response.groupCurves(model, mode, group);
    QStringList lines;
    lines.reserve(response.pointCount());
    for (int i = 0; i < response.pointCount(); ++i) {
        QString line = number(response.pointFrequency(i));
        for (const ResponseCurve& curve : curves) {
            line += u',' + number(curve.db[std::size_t(i)]);
        }
        lines.append(line);
    }
    return lines;
}

} // namespace

QString header(const QString& preset, int mode, int group)
{
    const char* columns =
        group == EqResponse::EffectGroup ? "Hz,peaking bands dB,high cut dB,low cut dB" : "Hz,dB";
    return QStringLiteral("* %1, mode %2, EQ group %3 (%4): %5")
        .arg(preset)
        .arg(mode)
        .arg(group)
        .arg(QLatin1String(EqGroupTable::Names[std::size_t(qBound(0, group, 7))]),
             QLatin1String(columns));
}

QStringList rows(ParamModel& model, int mode, int group)
{
    EqResponse response;
    return rowsOf(response, model, mode, group);
}

QStringList rows(ParamModel& model, int mode, int group, const std::vector<float>& hz)
{
    EqResponse response;
    response.setPointFrequencies(hz);
    return rowsOf(response, model, mode, group);
}

} // namespace CurveTable

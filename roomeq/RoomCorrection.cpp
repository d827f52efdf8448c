#include "RoomCorrection.h"

#include "FrequencyPoints.h"
#include "MeasuredResponse.h"

#include <QCoreApplication>

namespace RoomCorrection {

std::optional<double> level(const MeasuredResponse& curve)
{
    const FrequencyPoints& points = FrequencyPoints::standard();
    const Wish sampled = curve.at(points);
    double sum = 0;
    int count = 0;
    for (int i = 0; i < points.size(); ++i) {
        if (points.hz(i) >= LevelFromHz && points.hz(i) <= LevelToHz && sampled.weight[i] > 0) {
            sum += sampled.db[std::size_t(i)];
            ++count;
        }
    }
    return count > 0 ? std::optional<double>(sum / count) : std::nullopt;
}

std::optional<OverlayCurve> levelled(const MeasuredResponse& curve)
{
    const std::optional<double> mean = level(curve);
    if (!mean) {
        return std::nullopt;
    }
    const FrequencyPoints& points = FrequencyPoints::standard();
    const Wish sampled = curve.at(points);
    std::vector<double> hz;
    std::vector<double> db;
    for (int i = 0; i < points.size(); ++i) {
        if (sampled.weight[std::size_t(i)] > 0) {
            hz.push_back(points.hz(i));
            db.push_back(sampled.db[std::size_t(i)] - *mean);
        }
    }
    return OverlayCurve(std::move(hz), std::move(db));
}

Result wish(const MeasuredResponse& measured, const MeasuredResponse* target)
{
    const auto measuredLevel = level(measured);
    const auto targetLevel = target ? level(*target) : std::optional<double>(0.0);
    if (!measuredLevel || !targetLevel) {
        const bool targetFailed = measuredLevel.has_value();
        const QString error =
            targetFailed
                ? QCoreApplication::translate(
                      "RoomCorrection",
                      "the target has no point between %1 Hz and %2 Hz to level it at")
                : QCoreApplication::translate(
                      "RoomCorrection",
                      "the measurement has no point between %1 Hz and %2 Hz to level it at");
        return {std::nullopt, error.arg(LevelFromHz).arg(LevelToHz), targetFailed};
    }
    const FrequencyPoints& points = FrequencyPoints::standard();
    Wish result = measured.at(points);
    const Wish goal = target
                          ? target->at(points)
                          : Wish::everywhere(std::vector<double>(std::size_t(points.size()), 0.0));
    for (std::size_t i = 0; i < result.db.size(); ++i) {
        result.db[i] = (goal.db[i] - *targetLevel) - (result.db[i] - *measuredLevel);
        result.weight[i] *= goal.weight[i];
    }
    return {result, {}, false};
}

} // namespace RoomCorrection

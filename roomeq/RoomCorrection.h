#pragma once

#include "GraphOverlay.h"
#include "Wish.h"

#include <QString>
#include <optional>

struct MeasuredResponse;

// What an EQ should do to a measured room: bring it to a target curve (flat without one). Only
// the shape counts, not the loudness: the measurement and the target are each levelled at
// their mean from 200 Hz to 2 kHz, and the wish is target - measurement on the standard fit
// points, wherever both are known.
namespace RoomCorrection {

constexpr double LevelFromHz = 200;
constexpr double LevelToHz = 2000;

// The mean level of a curve from 200 Hz to 2 kHz on the standard fit points; nothing when it
// has no point there.
std::optional<double> level(const MeasuredResponse& curve);
// The curve on the standard fit points where it has values, levelled; nothing without a level.
std::optional<OverlayCurve> levelled(const MeasuredResponse& curve);

struct Result
{
    std::optional<Wish> wish;
    QString error;
    bool targetFailed = false; // the error is the target's, not the measurement's
};
Result wish(const MeasuredResponse& measured, const MeasuredResponse* target);

} // namespace RoomCorrection

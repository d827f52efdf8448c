#pragma once

#include "EqResponse.h"

#include <QRgb>

struct GraphOverlay;
class QPainter;
class SkinImages;

// Draws a GraphOverlay on the equaliser graph: under the EQ curves the measurement, the target
// and the measurement as the EQ makes it (the measurement plus every curve of the group, which
// together are the processor's response); over everything a key to those curves at the top
// right and the message, in a plate at the top.
class OverlayPainter
{
public:
    static constexpr QRgb MeasuredCurve = 0xC08C9AAE;
    static constexpr QRgb TargetCurve = 0xB0E6E6E6;
    static constexpr QRgb PredictedCurve = 0xE046D6A0;
    static constexpr QRgb MessageText = 0xFFFFFFFF;
    static constexpr QRgb MessagePlate = 0xD0101216;
    static constexpr qreal CurveWidth = 2;

    // response: the graph's columns and their frequencies; curves: the group's curves there.
    static void drawUnder(QPainter& painter, const EqResponse& response,
                          const std::vector<ResponseCurve>& curves, const GraphOverlay& overlay);
    static void drawOver(QPainter& painter, const GraphGeometry& geometry,
                         const GraphOverlay& overlay);

private:
    static void drawKey(QPainter& painter, const GraphGeometry& geometry,
                        const GraphOverlay& overlay);
    static void drawMessage(QPainter& painter, const GraphGeometry& geometry,
                            const GraphOverlay& overlay);
};

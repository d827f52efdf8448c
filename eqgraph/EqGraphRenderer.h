#pragma once

#include "EqResponse.h"

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QStringList>

class BandTable;
struct GraphOverlay;
class QPainter;

class SkinImages;

// Draws the equaliser graph's two pictures: the grid (background, grid lines, labels), made once
// per size, and over a copy of it the work picture, made on every redraw, in layers from the
// bottom: the bypass banner, the curves (the effect group's cuts under its peaking sum, the sum
// on top, all dimmed while the group is bypassed), the band markers, and the selected band's
// readout over them all. Where the sum goes beyond the plot it runs along the plot's edge in the
// warning colour with its furthest value written there. Everything is placed in logical pixels;
// the pictures carry the screen's device pixel ratio.
class EqGraphRenderer
{
public:
    static constexpr int BackgroundPicture = 297;
    static constexpr int BypassBanner = 321;

    static constexpr QRgb BackgroundClear = 0xFFD3D3D3;
    static constexpr QRgb GridLine = 0x40808080;
    static constexpr QRgb GridLabel = 0xFFAAAAAA;
    static constexpr QRgb MainCurve = 0xFFFABA00;
    static constexpr QRgb HighCutCurve = 0xDD64BAFA;
    static constexpr QRgb LowCutCurve = 0xDDFA00BA;
    static constexpr QRgb ReadoutText = 0xB0FFFFFF;
    static constexpr QRgb ReadoutPlate = 0xB0101216;
    static constexpr QRgb BeyondRange = 0xFFFF4B3E;
    static constexpr qreal CurveWidth = 3;
    static constexpr qreal BypassedShade = 0.4; // of the curves' brightness

    // What one redraw shows.
    struct Scene
    {
        const BandTable* bands = nullptr; // no curves or markers without bands
        int group = 0;
        bool bypassed = false;
        const GraphOverlay* overlay = nullptr; // a measurement under the curves, a message over
    };

    explicit EqGraphRenderer(const SkinImages& skin);

    // The scale the geometry follows: the picture's width over the design width.
    void setScale(float scale);
    const GraphGeometry& geometry() const { return m_response.geometry(); }

    // A picture of size logical pixels at the given device pixel ratio, holding the grid.
    QImage drawGrid(QSize size, qreal ratio) const;
    // Makes work a copy of the grid picture (reusing its memory) and draws the scene over it.
    void drawCurves(QImage& work, const QImage& grid, const Scene& scene);

private:
    // The marker picture of a band record, selected or not.
    static int markerPicture(const EqBand& band, int record, bool selected);
    // The measurement under the curves, the curves, the markers and the readout.
    void drawBandCurves(QPainter& painter, const Scene& scene);
    // The curves in their colours, darkened to shade of their brightness.
    void drawCut(QPainter& painter, const ResponseCurve& curve, qreal shade) const;
    void drawSum(QPainter& painter, const ResponseCurve& curve, qreal shade) const;
    void drawMarkers(QPainter& painter, const BandTable& bands) const;
    void drawReadout(QPainter& painter, const EqBand& band) const;
    // Lines of text on a dark plate, so that they stay legible over the curves; the plate's
    // place.
    QRectF drawPlatedLines(QPainter& painter, const QStringList& lines, QPointF topLeft,
                           QRgb colour) const;
    void drawText(QPainter& painter, const QString& text, QRgb colour, double x, double y) const;

    const SkinImages& m_skin;
    EqResponse m_response;
};

#include "EqGraphRenderer.h"

#include "BandTable.h"
#include "OverlayPainter.h"
#include "SkinImages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Pictures of the band markers: peaking band i is 176 + i, selected 193 + i.
constexpr int PeakingMarker = 176;
constexpr int SelectedOffset = 17;
constexpr int HighCutMarker = 191;
constexpr int LowCutMarker = 192;
constexpr int MarkerHalf = 10; // a marker's top-left lies this far up and left of its band

// The vertical grid lines: every whole step of every decade, and 10 and 20 kHz.
constexpr double GridDecades[] = {10, 100, 1000};
constexpr double GridTopLines[] = {10000, 20000};
constexpr int GridRows = 4; // horizontal lines at +8, 0 and -8 dB split the plot in four

struct AxisLabel
{
    const char* text;
    double hz;
    int left; // pixels left of the frequency's line, not scaled
};
constexpr AxisLabel FrequencyLabels[] = {{"20Hz", 20, 14},
                                         {"100Hz", 100, 14},
                                         {"1KHz", 1000, 14},
                                         {"10KHz", 10000, 14},
                                         {"20KHz", 20000, 18}};
constexpr int FrequencyLabelDrop = 3; // pixels under the plot, not scaled

struct GainLabel
{
    const char* text;
    double db;
};
constexpr GainLabel GainLabels[] = {{"+15dB", 15}, {"0", 0}, {"8", 8}, {"-8", -8}, {"-15dB", -15}};
constexpr int GainLabelLeft = 7;
constexpr double GainLabelRise = 6; // pixels above the gain's row, times the scale

// The selected band's readout: three lines beside a peaking band's marker, on the right below
// 10 kHz and on the left above, so that it stays inside the graph; a cut's frequency above it.
constexpr double ReadoutSideFrequency = 10000;
constexpr int ReadoutRight = 15;
constexpr int ReadoutLeft = -54;
constexpr int ReadoutLineTops[] = {-16, -4, 8};
constexpr int ReadoutLineStep = ReadoutLineTops[1] - ReadoutLineTops[0];
constexpr QPoint CutReadout(-14, -25);

// The bypass banner's place at the design size.
constexpr QPointF BannerPlace(620, 200);

int nearest(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

EqGraphRenderer::EqGraphRenderer(const SkinImages& skin)
    : m_skin(skin)
{}

void EqGraphRenderer::setScale(float scale)
{
    if (scale != geometry().GraphScale()) {
        m_response.setGeometry(GraphGeometry(scale));
    }
}

QImage EqGraphRenderer::drawGrid(QSize size, qreal ratio) const
{
    QImage grid((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    grid.setDevicePixelRatio(ratio);
    grid.fill(QColor::fromRgba(BackgroundClear));
    QPainter painter(&grid);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The background covers the whole picture, also the pixel a rounded scale may leave over.
    m_skin.DrawSkinImage(painter, BackgroundPicture, QRectF(QPointF(0, 0), size));

    const GraphGeometry& g = geometry();
    painter.setPen(QPen(QColor::fromRgba(GridLine), 1));
    for (double decade : GridDecades) {
        for (int step = 1; step <= 9; ++step) {
            const int x = nearest(g.FreqToX(decade * step));
            painter.drawLine(x, g.Top(), x, g.Bottom());
        }
    }
    for (double hz : GridTopLines) {
        const int x = nearest(g.FreqToX(hz));
        painter.drawLine(x, g.Top(), x, g.Bottom());
    }
    for (int k = 1; k < GridRows; ++k) {
        const int y = nearest(g.Top() + k * (g.Bottom() - g.Top()) / double(GridRows));
        painter.drawLine(g.X0(), y, g.X2(), y);
    }

    for (const AxisLabel& label : FrequencyLabels) {
        drawText(painter, QString::fromLatin1(label.text), GridLabel,
                 g.FreqToX(label.hz) - label.left, g.Bottom() + FrequencyLabelDrop);
    }
    for (const GainLabel& label : GainLabels) {
        drawText(painter, QString::fromLatin1(label.text), GridLabel, GainLabelLeft,
                 g.DbToY(label.db) - GainLabelRise * g.GraphScale());
    }
    return grid;
}

void EqGraphRenderer::drawCurves(QImage& work, const QImage& grid, const Scene& scene)
{
    // Copying into the picture already there spares allocating and releasing megabytes on
    // every redraw.
    if (work.size() == grid.size() && work.format() == grid.format()) {
        std::memcpy(work.bits(), grid.constBits(), std::size_t(grid.sizeInBytes()));
        work.setDevicePixelRatio(grid.devicePixelRatio());
    } else {
        work = grid.copy();
    }
    QPainter painter(&work);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (scene.bands) {
        const std::vector<ResponseCurve> curves = m_response.groupCurves(*scene.bands, scene.group);
        if (scene.overlay) {
            OverlayPainter::drawUnder(painter, m_response, curves, *scene.overlay);
        }
        for (const ResponseCurve& curve : curves) {
            drawCurve(painter, curve);
        }
        drawMarkers(painter, *scene.bands);
    }
    if (scene.bypassed) {
        const float s = geometry().GraphScale();
        const QSize banner = m_skin.naturalSize(BypassBanner);
        m_skin.DrawSkinImage(painter, BypassBanner,
                             QRectF(BannerPlace * s, QSizeF(nearest(banner.width() * s),
                                                            nearest(banner.height() * s))));
    }
    if (scene.overlay) {
        OverlayPainter::drawOver(painter, geometry(), *scene.overlay);
    }
}

void EqGraphRenderer::drawCurve(QPainter& painter, const ResponseCurve& curve) const
{
    const GraphGeometry& g = geometry();
    QRgb colour = MainCurve;
    // The sum stops at 22 kHz, where the frequency axis ends; the effect's cuts run on.
    double right = g.X2();
    if (curve.role == CurveRole::Main) {
        right = g.FreqToX(GraphGeometry::TopFrequency);
    } else {
        colour = curve.role == CurveRole::HighCut ? HighCutCurve : LowCutCurve;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgba(colour), CurveWidth));
    // A point at or beyond the top or bottom of the plot leaves a gap rather than a line
    // flattened against the edge.
    const auto inside = [&g](float y) {
        return y > g.Top() && y < g.Bottom();
    };
    float previousY = g.DbToY(curve.db.empty() ? 0.0f : curve.db[0]);
    for (std::size_t i = 1; i < curve.db.size(); ++i) {
        const float y = g.DbToY(curve.db[i]);
        const int x = g.X0() + int(i);
        if (x > right) {
            break;
        }
        if (inside(previousY) && inside(y)) {
            painter.drawLine(QLineF(x - 1, previousY, x, y));
        }
        previousY = y;
    }
    painter.restore();
}

int EqGraphRenderer::markerPicture(const EqBand& band, int record, bool selected)
{
    int picture = PeakingMarker + record;
    if (band.Kind == BandKind::HighCut) {
        picture = HighCutMarker;
    } else if (band.Kind == BandKind::LowCut) {
        picture = LowCutMarker;
    }
    return selected ? picture + SelectedOffset : picture;
}

void EqGraphRenderer::drawMarkers(QPainter& painter, const BandTable& bands) const
{
    const GraphGeometry& g = geometry();
    for (int i = 0; i < BandTable::Capacity && bands.band(i).InUse; ++i) {
        const EqBand& band = bands.band(i);
        const QPoint at(nearest(g.FreqToX(band.Frequency)), nearest(g.DbToY(band.Gain)));
        const int picture = markerPicture(band, i, i == bands.CurrentBand());
        m_skin.DrawSkinImage(
            painter, picture,
            QRectF(at - QPoint(MarkerHalf, MarkerHalf), QSizeF(m_skin.naturalSize(picture))));
        if (i == bands.CurrentBand()) {
            drawReadout(painter, band);
        }
    }
}

void EqGraphRenderer::drawReadout(QPainter& painter, const EqBand& band) const
{
    const GraphGeometry& g = geometry();
    const int x = nearest(g.FreqToX(band.Frequency));
    const int y = nearest(g.DbToY(band.Gain));
    const QString hz = QString::number(band.Frequency, 'g', 7) + QStringLiteral("Hz");
    if (band.Kind != BandKind::Peaking) {
        drawReadoutLines(painter, {hz}, QPoint(x, y) + CutReadout);
        return;
    }
    const int left = g.XToFreq(x) < ReadoutSideFrequency ? x + ReadoutRight : x + ReadoutLeft;
    drawReadoutLines(painter,
                     {hz, QString::number(band.Gain, 'f', 1) + QStringLiteral("dB"),
                      QString::number(band.Q, 'f', 1) + QStringLiteral(" Q")},
                     QPoint(left, y + ReadoutLineTops[0]));
}

void EqGraphRenderer::drawReadoutLines(QPainter& painter, const QStringList& lines,
                                       QPoint topLeft) const
{
    // The readout sits where the curve runs: a dark plate under it keeps it legible.
    const QFontMetricsF metrics(SkinImages::skinTextFont(lines.front()));
    qreal width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const qreal height = (lines.size() - 1) * ReadoutLineStep + metrics.ascent();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(ReadoutPlate));
    painter.drawRoundedRect(QRectF(topLeft, QSizeF(width, height)).adjusted(-3, -1, 3, 2), 3, 3);
    painter.restore();
    for (int line = 0; line < lines.size(); ++line) {
        drawText(painter, lines[line], ReadoutText, topLeft.x(),
                 topLeft.y() + line * ReadoutLineStep);
    }
}

void EqGraphRenderer::drawText(QPainter& painter, const QString& text, QRgb colour, double x,
                               double y) const
{
    m_skin.DrawSkinText(painter, text, colour, QString::number(x) + u',' + QString::number(y));
}

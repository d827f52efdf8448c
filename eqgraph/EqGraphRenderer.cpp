#include "EqGraphRenderer.h"

#include "BandTable.h"
#include "BandText.h"
#include "OverlayPainter.h"
#include "RowBands.h"
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
// The plate under plated text reaches this far beyond it: left and right, above, below.
constexpr qreal PlateSide = 3;
constexpr qreal PlateAbove = 1;
constexpr qreal PlateBelow = 2;
constexpr qreal PlateRadius = 3;

// The value of a stretch of the sum beyond the plot sits this far inside the plot's edge and
// beside a marker.
constexpr qreal BeyondLabelGap = 3;

// The bypass banner's place at the design size: low in the plot, where curves run least.
constexpr QPointF BannerPlace(620, 282);

int nearest(double value)
{
    return int(std::nearbyint(value));
}

// A colour darkened to a share of its brightness, its alpha kept.
QColor shaded(QRgb colour, qreal share)
{
    return QColor(qRound(qRed(colour) * share), qRound(qGreen(colour) * share),
                  qRound(qBlue(colour) * share), qAlpha(colour));
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

    // Lines one pixel wide, end points included, filled as rectangles: a line drawn with a pen
    // reaches the engine as a run per pixel, which it hands to its thread pool.
    const GraphGeometry& g = geometry();
    const auto line = [&](QPoint from, QPoint to) {
        RowBands::fillRect(painter, QRect(from, to), QColor::fromRgba(GridLine));
    };
    for (double decade : GridDecades) {
        for (int step = 1; step <= 9; ++step) {
            const int x = nearest(g.FreqToX(decade * step));
            line({x, g.Top()}, {x, g.Bottom()});
        }
    }
    for (double hz : GridTopLines) {
        const int x = nearest(g.FreqToX(hz));
        line({x, g.Top()}, {x, g.Bottom()});
    }
    for (int k = 1; k < GridRows; ++k) {
        const int y = nearest(g.Top() + k * (g.Bottom() - g.Top()) / double(GridRows));
        line({g.X0(), y}, {g.X2(), y});
    }

    // The labels keep their size when the graph shrinks: the frequencies stay inside the
    // picture and the gains inside the plot, so that none is cut off or runs into another.
    const QFontMetricsF metrics(SkinImages::skinTextFont(QStringLiteral("0")));
    const double textHeight = metrics.ascent();
    const double frequencyRow =
        std::min<double>(g.Bottom() + FrequencyLabelDrop, g.Height() - 1 - textHeight);
    for (const AxisLabel& label : FrequencyLabels) {
        const QString text = QString::fromLatin1(label.text);
        drawText(painter, text, GridLabel,
                 std::min<double>(g.FreqToX(label.hz) - label.left,
                                  g.Width() - 1 - metrics.horizontalAdvance(text)),
                 frequencyRow);
    }
    for (const GainLabel& label : GainLabels) {
        drawText(painter, QString::fromLatin1(label.text), GridLabel, GainLabelLeft,
                 std::min(g.DbToY(label.db) - GainLabelRise * g.GraphScale(),
                          g.Bottom() - 1 - textHeight));
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
    if (scene.bypassed) {
        // Under the curves, so that it hides none of them.
        const float s = geometry().GraphScale();
        const QSize banner = m_skin.naturalSize(BypassBanner);
        m_skin.DrawSkinImage(painter, BypassBanner,
                             QRectF(BannerPlace * s, QSizeF(nearest(banner.width() * s),
                                                            nearest(banner.height() * s))));
    }
    if (scene.bands) {
        drawBandCurves(painter, scene);
    }
    if (scene.overlay) {
        OverlayPainter::drawOver(painter, geometry(), *scene.overlay);
    }
}

void EqGraphRenderer::drawBandCurves(QPainter& painter, const Scene& scene)
{
    const std::vector<ResponseCurve> curves = m_response.groupCurves(*scene.bands, scene.group);
    if (scene.overlay) {
        OverlayPainter::drawUnder(painter, m_response, curves, *scene.overlay);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Dimmed by darker pens, not by transparency: the segments overlap, and transparent ones
    // would add up to nearly the full colour.
    const qreal shade = scene.bypassed ? BypassedShade : 1.0;
    for (const ResponseCurve& curve : curves) {
        if (curve.role != CurveRole::Main) {
            drawCut(painter, curve, shade);
        }
    }
    for (const ResponseCurve& curve : curves) {
        if (curve.role == CurveRole::Main) {
            drawSum(painter, curve, shade);
        }
    }
    painter.restore();
    drawMarkers(painter, *scene.bands);
}

void EqGraphRenderer::drawCut(QPainter& painter, const ResponseCurve& curve, qreal shade) const
{
    // A cut on its own falls away without end: beyond the plot it leaves a gap.
    const GraphGeometry& g = geometry();
    painter.setPen(QPen(
        shaded(curve.role == CurveRole::HighCut ? HighCutCurve : LowCutCurve, shade), CurveWidth));
    const auto inside = [&g](float y) {
        return y > g.Top() && y < g.Bottom();
    };
    float previousY = g.DbToY(curve.db.empty() ? 0.0f : curve.db[0]);
    for (std::size_t i = 1; i < curve.db.size(); ++i) {
        const float y = g.DbToY(curve.db[i]);
        const int x = g.X0() + int(i);
        if (inside(previousY) && inside(y)) {
            painter.drawLine(QLineF(x - 1, previousY, x, y));
        }
        previousY = y;
    }
}

void EqGraphRenderer::drawSum(QPainter& painter, const ResponseCurve& curve, qreal shade) const
{
    const GraphGeometry& g = geometry();
    // The sum stops at 22 kHz, where the frequency axis ends.
    const double right = g.FreqToX(GraphGeometry::TopFrequency);
    // Which side of the plot a point lies beyond: 1 above, -1 below, 0 inside.
    const auto sideOf = [&g](float y) {
        return y <= g.Top() ? 1 : y >= g.Bottom() ? -1 : 0;
    };
    // A point beyond is drawn along the edge, the whole line inside the plot.
    const auto drawnY = [&g](int side, float y) {
        return side > 0 ? g.Top() + CurveWidth / 2 : side < 0 ? g.Bottom() - CurveWidth / 2 : y;
    };
    struct Stretch
    {
        int side;
        float db; // the furthest value
        double x; // where it is
    };
    std::vector<Stretch> stretches;
    const QPen inside(shaded(MainCurve, shade), CurveWidth);
    const QPen beyond(shaded(BeyondRange, shade), CurveWidth);
    painter.setPen(inside);
    bool penBeyond = false;
    QPointF previous;
    int previousSide = 0;
    // Segment by segment, as a polyline this long would cost many times as much to stroke.
    for (std::size_t i = 0; i < curve.db.size() && g.X0() + double(i) <= right; ++i) {
        const double x = g.X0() + double(i);
        const float y = g.DbToY(curve.db[i]);
        const int side = sideOf(y);
        const QPointF point(x, drawnY(side, y));
        if (side != 0 && side != previousSide) {
            stretches.push_back({side, curve.db[i], x});
        } else if (side != 0 && (side > 0 ? curve.db[i] > stretches.back().db
                                          : curve.db[i] < stretches.back().db)) {
            stretches.back() = {side, curve.db[i], x};
        }
        if (i > 0) {
            // A segment with an end beyond the plot is drawn as beyond.
            if (const bool segmentBeyond = side != 0 || previousSide != 0;
                segmentBeyond != penBeyond) {
                painter.setPen(segmentBeyond ? beyond : inside);
                penBeyond = segmentBeyond;
            }
            painter.drawLine(QLineF(previous, point));
        }
        previous = point;
        previousSide = side;
    }

    // Each stretch's furthest value inside the plot's edge, unless an earlier one is there.
    const QFont font = SkinImages::skinTextFont(QStringLiteral("0"));
    const QFontMetricsF metrics(font);
    // Clear of the gain labels on the left and of the picture's right edge.
    const double leftmost = GainLabelLeft +
                            metrics.horizontalAdvance(QString::fromLatin1(GainLabels[0].text)) +
                            2 * PlateSide;
    QList<QRectF> labels;
    for (const Stretch& stretch : stretches) {
        const QString text =
            (stretch.side > 0 ? QStringLiteral("+") : QString()) + BandText::decibels(stretch.db);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.ascent());
        // Beside the furthest point, where the marker of the band that causes it usually sits:
        // on its right, or on its left near the right end.
        const double beside = MarkerHalf + BeyondLabelGap + PlateSide;
        const double rightmost = g.Width() - size.width() - 2 * PlateSide;
        const double x =
            std::clamp(stretch.x + beside <= rightmost ? stretch.x + beside
                                                       : stretch.x - beside - size.width(),
                       leftmost, rightmost);
        const double y = stretch.side > 0
                             ? g.Top() + CurveWidth + BeyondLabelGap
                             : g.Bottom() - CurveWidth - BeyondLabelGap - size.height();
        const QRectF place(QPointF(x, y), size);
        if (std::none_of(labels.cbegin(), labels.cend(),
                         [&place](const QRectF& other) { return other.intersects(place); })) {
            labels.append(drawPlatedLines(painter, {text}, place.topLeft(),
                                          shaded(BeyondRange, shade).rgba()));
        }
    }
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
    }
    // Over every marker, so that none hides it.
    if (bands.current().InUse) {
        drawReadout(painter, bands.current());
    }
}

void EqGraphRenderer::drawReadout(QPainter& painter, const EqBand& band) const
{
    const GraphGeometry& g = geometry();
    const int x = nearest(g.FreqToX(band.Frequency));
    const int y = nearest(g.DbToY(band.Gain));
    const QString hz = BandText::frequency(band);
    if (band.Kind != BandKind::Peaking) {
        drawPlatedLines(painter, {hz}, QPoint(x, y) + CutReadout, ReadoutText);
        return;
    }
    const int left = g.XToFreq(x) < ReadoutSideFrequency ? x + ReadoutRight : x + ReadoutLeft;
    drawPlatedLines(painter, {hz, BandText::gain(band), BandText::q(band)},
                    QPoint(left, y + ReadoutLineTops[0]), ReadoutText);
}

QRectF EqGraphRenderer::drawPlatedLines(QPainter& painter, const QStringList& lines,
                                        QPointF topLeft, QRgb colour) const
{
    const QFontMetricsF metrics(SkinImages::skinTextFont(lines.front()));
    qreal width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const qreal height = (lines.size() - 1) * ReadoutLineStep + metrics.ascent();
    const QRectF plate = QRectF(topLeft, QSizeF(width, height))
                             .adjusted(-PlateSide, -PlateAbove, PlateSide, PlateBelow);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(ReadoutPlate));
    painter.drawRoundedRect(plate, PlateRadius, PlateRadius);
    painter.restore();
    for (int line = 0; line < lines.size(); ++line) {
        drawText(painter, lines[line], colour, topLeft.x(), topLeft.y() + line * ReadoutLineStep);
    }
    return plate;
}

void EqGraphRenderer::drawText(QPainter& painter, const QString& text, QRgb colour, double x,
                               double y) const
{
    m_skin.DrawSkinText(painter, text, colour, QString::number(x) + u',' + QString::number(y));
}

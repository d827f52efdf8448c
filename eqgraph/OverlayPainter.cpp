#include "OverlayPainter.h"

#include "GraphOverlay.h"
#include "SkinImages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <functional>
#include <iterator>

namespace {

constexpr double MessageTop = 14; // pixels below the plot's top, times the scale
constexpr double MessagePadding = 6;
// The key to the curves: a line this long before each name, at the plot's top right.
constexpr double KeyLine = 18;
constexpr double KeyGap = 5;
constexpr double KeyRight = 12;

// A curve through the graph's columns where value gives one, a line per column as the EQ curve
// is drawn (far quicker than one joined path); gaps where it gives none or the point lies
// beyond the plot.
void drawColumns(QPainter& painter, const EqResponse& response, QRgb colour,
                 const std::function<std::optional<double>(int)>& value)
{
    const GraphGeometry& g = response.geometry();
    painter.setPen(QPen(QColor::fromRgba(colour), OverlayPainter::CurveWidth));
    const auto y = [&](int i) -> std::optional<double> {
        const std::optional<double> db = value(i);
        if (!db || std::abs(*db) >= GraphGeometry::DbRange) {
            return std::nullopt;
        }
        return g.DbToY(*db);
    };
    const double right = g.FreqToX(GraphGeometry::TopFrequency);
    std::optional<double> previous = response.pointCount() > 0 ? y(0) : std::nullopt;
    for (int i = 1; i < response.pointCount() && g.X0() + i <= right; ++i) {
        const std::optional<double> current = y(i);
        if (previous && current) {
            painter.drawLine(QLineF(g.X0() + i - 1, *previous, g.X0() + i, *current));
        }
        previous = current;
    }
}

} // namespace

void OverlayPainter::drawUnder(QPainter& painter, const EqResponse& response,
                               const std::vector<ResponseCurve>& curves,
                               const GraphOverlay& overlay)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto measured = [&](int i) {
        return overlay.measured.at(response.pointFrequency(i));
    };
    drawColumns(painter, response, TargetCurve,
                [&](int i) { return overlay.target.at(response.pointFrequency(i)); });
    drawColumns(painter, response, MeasuredCurve, measured);
    drawColumns(painter, response, PredictedCurve, [&](int i) {
        std::optional<double> db = measured(i);
        for (const ResponseCurve& curve : curves) {
            if (db) {
                *db += curve.db[std::size_t(i)];
            }
        }
        return db;
    });
    painter.restore();
}

void OverlayPainter::drawOver(QPainter& painter, const GraphGeometry& geometry,
                              const GraphOverlay& overlay)
{
    drawKey(painter, geometry, overlay);
    drawMessage(painter, geometry, overlay);
}

void OverlayPainter::drawKey(QPainter& painter, const GraphGeometry& geometry,
                             const GraphOverlay& overlay)
{
    struct Entry
    {
        const char* text;
        QRgb colour;
        bool shown;
    };
    const Entry entries[] = {
        {QT_TRANSLATE_NOOP("OverlayPainter", "measured"), MeasuredCurve,
         !overlay.measured.isEmpty()},
        {QT_TRANSLATE_NOOP("OverlayPainter", "target"), TargetCurve, !overlay.target.isEmpty()},
        {QT_TRANSLATE_NOOP("OverlayPainter", "with the EQ"), PredictedCurve,
         !overlay.measured.isEmpty()},
    };
    const QFont font = SkinImages::skinTextFont(QStringLiteral("measured"));
    const QFontMetricsF metrics(font);
    const double s = geometry.GraphScale();
    const double line = KeyLine * s;
    double x = geometry.FreqToX(GraphGeometry::TopFrequency) - KeyRight * s;
    const double y = geometry.Top() + MessageTop * s + metrics.height() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    // From the right: the last entry ends where the key ends.
    for (auto it = std::rbegin(entries); it != std::rend(entries); ++it) {
        if (!it->shown) {
            continue;
        }
        const QString text = QCoreApplication::translate("OverlayPainter", it->text);
        x -= metrics.horizontalAdvance(text);
        painter.setPen(QColor::fromRgba(MessageText));
        painter.drawText(QPointF(x, y + metrics.ascent() / 2 - 1), text);
        x -= KeyGap * s + line;
        painter.setPen(QPen(QColor::fromRgba(it->colour), CurveWidth));
        painter.drawLine(QLineF(x, y, x + line, y));
        x -= 2 * KeyGap * s;
    }
    painter.restore();
}

void OverlayPainter::drawMessage(QPainter& painter, const GraphGeometry& geometry,
                                 const GraphOverlay& overlay)
{
    if (overlay.message.isEmpty()) {
        return;
    }
    const QFont font = SkinImages::skinTextFont(overlay.message);
    const QFontMetricsF metrics(font);
    const QSizeF text(metrics.horizontalAdvance(overlay.message), metrics.height());
    const double centre = (geometry.X0() + geometry.FreqToX(GraphGeometry::TopFrequency)) / 2;
    const QRectF box(
        QPointF(centre - text.width() / 2, geometry.Top() + MessageTop * geometry.GraphScale()),
        text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(MessagePlate));
    painter.drawRoundedRect(
        box.adjusted(-MessagePadding, -MessagePadding / 2, MessagePadding, MessagePadding / 2), 4,
        4);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(MessageText));
    painter.drawText(box, Qt::AlignCenter, overlay.message);
    painter.restore();
}

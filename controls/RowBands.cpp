#include "RowBands.h"

#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace RowBands {

namespace {

// Below the engine's threshold even with three spans to a row, as a clipped band may have.
constexpr int BandRows = 32;

bool drawsPixelForPixel(const QPainter& painter)
{
    return painter.deviceTransform().type() <= QTransform::TxTranslate;
}

bool whole(const QRectF& rect)
{
    return rect.toRect() == rect;
}

} // namespace

void fillRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (!drawsPixelForPixel(painter)) {
        painter.fillRect(rect, colour);
        return;
    }
    for (int top = rect.top(); top <= rect.bottom(); top += BandRows) {
        const int rows = std::min(BandRows, rect.bottom() - top + 1);
        painter.fillRect(QRect(rect.left(), top, rect.width(), rows), colour);
    }
}

void drawImage(QPainter& painter, const QRectF& target, const QImage& image, const QRectF& source)
{
    if (!drawsPixelForPixel(painter) || image.devicePixelRatio() != 1.0 ||
        target.size() != source.size() || !whole(target) || !whole(source)) {
        painter.drawImage(target, image, source);
        return;
    }
    const QRect from = source.toRect();
    const QPoint to = target.topLeft().toPoint();
    for (int top = from.top(); top <= from.bottom(); top += BandRows) {
        const int rows = std::min(BandRows, from.bottom() - top + 1);
        painter.drawImage(QPoint(to.x(), to.y() + top - from.top()), image,
                          QRect(from.left(), top, from.width(), rows));
    }
}

void drawImage(QPainter& painter, const QPointF& target, const QImage& image)
{
    drawImage(painter, QRectF(target, image.deviceIndependentSize()), image, QRectF(image.rect()));
}

} // namespace RowBands

#pragma once

#include <QRect>

class QColor;
class QImage;
class QPainter;

// Fills and unscaled pictures given to QPainter in bands of a few rows. Qt's raster engine hands
// a blend of more than about a hundred rows to its thread pool in pieces and waits for them; for
// the lines and small pictures of this window each hand-over costs more than the drawing itself,
// and on a busy machine each piece waits for a core (the first window made some four hundred).
// A band of few rows is drawn on the calling thread, and the pixels are the same.
namespace RowBands {

// As QPainter::fillRect.
void fillRect(QPainter& painter, const QRect& rect, const QColor& colour);

// As QPainter::drawImage. A picture that is scaled, lies between pixels or has a pixel ratio of
// its own goes to Qt whole.
void drawImage(QPainter& painter, const QRectF& target, const QImage& image, const QRectF& source);
void drawImage(QPainter& painter, const QPointF& target, const QImage& image);

} // namespace RowBands

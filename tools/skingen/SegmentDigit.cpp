#include "SegmentDigit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace {

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle.
enum : unsigned
{
    A = 1u,
    B = 2u,
    C = 4u,
    D = 8u,
    E = 16u,
    F = 32u,
    G = 64u,
};

constexpr std::array<unsigned, 10> DigitSegments{
    A | B | C | D | E | F, B | C,         A | B | G | E | D,
    A | B | G | C | D,     F | G | B | C, A | F | G | C | D,
    A | F | G | E | D | C, A | B | C,     A | B | C | D | E | F | G,
    A | B | C | D | F | G,
};

QPolygonF horizontalSegment(double x0, double x1, double centreY, double t, double gap)
{
    const double h = t / 2.0;
    return QPolygonF({{x0 + gap, centreY},
                      {x0 + gap + h, centreY - h},
                      {x1 - gap - h, centreY - h},
                      {x1 - gap, centreY},
                      {x1 - gap - h, centreY + h},
                      {x0 + gap + h, centreY + h}});
}

QPolygonF verticalSegment(double y0, double y1, double centreX, double t, double gap)
{
    const double h = t / 2.0;
    return QPolygonF({{centreX, y0 + gap},
                      {centreX + h, y0 + gap + h},
                      {centreX + h, y1 - gap - h},
                      {centreX, y1 - gap},
                      {centreX - h, y1 - gap - h},
                      {centreX - h, y0 + gap + h}});
}

} // namespace

void SegmentDigit::draw(QPainter& p, const QRect& box, int digit, int thickness, Shape shape,
                        const QColor& colour)
{
    if (digit < 0 || digit > 9)
        return;
    drawSegments(p, box, DigitSegments[static_cast<std::size_t>(digit)], thickness, shape, colour);
}

void SegmentDigit::drawMinus(QPainter& p, const QRect& box, int thickness, Shape shape,
                             const QColor& colour)
{
    drawSegments(p, box, G, thickness, shape, colour);
}

void SegmentDigit::drawSegments(QPainter& p, const QRect& box, unsigned segments, int thickness,
                                Shape shape, const QColor& colour)
{
    const int t = thickness;
    const int w = box.width();
    const int h = box.height();
    const int x = box.left();
    const int y = box.top();
    // The middle bar's top row; an odd height leaves the extra row to the lower half.
    const int mid = (h - t) / 2;
    if (shape == Shape::Chamfered) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const double half = t / 2.0;
        const double left = x + half;
        const double right = x + w - half;
        const double top = y + half;
        const double middle = y + h / 2.0;
        const double bottom = y + h - half;
        const double gap = 0.6;
        if (segments & A)
            p.drawPolygon(horizontalSegment(left, right, top, t, gap));
        if (segments & G)
            p.drawPolygon(horizontalSegment(left, right, middle, t, gap));
        if (segments & D)
            p.drawPolygon(horizontalSegment(left, right, bottom, t, gap));
        if (segments & F)
            p.drawPolygon(verticalSegment(top, middle, left, t, gap));
        if (segments & B)
            p.drawPolygon(verticalSegment(top, middle, right, t, gap));
        if (segments & E)
            p.drawPolygon(verticalSegment(middle, bottom, left, t, gap));
        if (segments & C)
            p.drawPolygon(verticalSegment(middle, bottom, right, t, gap));
        p.restore();
        return;
    }
    // Whole-pixel glyph: drawn on its own layer so that the rounded shape can take out corner
    // pixels without touching what lies underneath.
    QImage glyph(w, h, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter g(&glyph);
        const QColor c = colour;
        // Every stroke runs through the joints, so strokes always meet.
        if (segments & A)
            g.fillRect(QRect(0, 0, w, t), c);
        if (segments & G)
            g.fillRect(QRect(0, mid, w, t), c);
        if (segments & D)
            g.fillRect(QRect(0, h - t, w, t), c);
        if (segments & F)
            g.fillRect(QRect(0, 0, t, mid + t), c);
        if (segments & B)
            g.fillRect(QRect(w - t, 0, t, mid + t), c);
        if (segments & E)
            g.fillRect(QRect(0, mid, t, h - mid), c);
        if (segments & C)
            g.fillRect(QRect(w - t, mid, t, h - mid), c);
        if (shape == Shape::Rounded) {
            g.setCompositionMode(QPainter::CompositionMode_Clear);
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                g.fillRect(QRect(corner, QSize(1, 1)), Qt::transparent);
        }
    }
    p.drawImage(x, y, glyph);
}

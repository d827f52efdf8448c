#include "SkinStyle.h"

#include "SeededNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

int clampChannel(double v)
{
    return int(std::clamp(std::lround(v), 0L, 255L));
}

bool holdsCjk(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
}

} // namespace

QFont SkinStyle::cjkFont(int pixelSize, bool bold)
{
    QFont font(cjkFamily());
    font.setFamilies({cjkFamily()});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont SkinStyle::latinFont(int pixelSize, bool bold)
{
    QFont font(latinFamily());
    font.setFamilies({latinFamily(), cjkFamily()});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont SkinStyle::labelFont(const QString& text, int pixelSize, bool bold)
{
    return holdsCjk(text) ? cjkFont(pixelSize, bold) : latinFont(pixelSize, bold);
}

QImage SkinStyle::metalTexture(QSize size, QColor top, QColor bottom, quint32 seed,
                               double grainStrength)
{
    QImage texture(size, QImage::Format_ARGB32_Premultiplied);
    const SeededNoise noise(seed);
    const int h = std::max(1, size.height() - 1);
    for (int y = 0; y < size.height(); ++y) {
        const double t = static_cast<double>(y) / h;
        const double r = top.red() + (bottom.red() - top.red()) * t;
        const double g = top.green() + (bottom.green() - top.green()) * t;
        const double b = top.blue() + (bottom.blue() - top.blue()) * t;
        auto* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double n = grainStrength * (0.8 * noise.streak(x, y) + 0.2 * noise.grain(x, y));
            line[x] = qRgb(clampChannel(r + n), clampChannel(g + n), clampChannel(b + n * 1.1));
        }
    }
    return texture;
}

void SkinStyle::fillMetal(QPainter& p, const QPainterPath& shape, QColor top, QColor bottom,
                          quint32 seed, double grainStrength)
{
    const QRect bounds = shape.boundingRect().toAlignedRect();
    QBrush brush(metalTexture(bounds.size(), top, bottom, seed, grainStrength));
    brush.setTransform(QTransform::fromTranslate(bounds.left(), bounds.top()));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(shape);
    p.restore();
}

QPainterPath SkinStyle::roundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QRect SkinStyle::drawKey(QPainter& p, const QRect& area, int radius, KeyLook look, quint32 seed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The face is one pixel smaller than the area: raised it sits top-left with a drop shadow,
    // pressed it moves into the shadow's place.
    const QRect face = look.pressed ? area.adjusted(1, 1, 0, 0) : area.adjusted(0, 0, -1, -1);
    if (!look.pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawPath(roundedRect(QRectF(face).translated(1, 1), radius));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(outline());
    p.drawPath(roundedRect(QRectF(face), radius));

    const QRectF inner = QRectF(face).adjusted(1, 1, -1, -1);
    QColor top = look.pressed ? QColor(0x22, 0x25, 0x29) : QColor(0x4C, 0x51, 0x58);
    QColor bottom = look.pressed ? QColor(0x2E, 0x31, 0x36) : QColor(0x2C, 0x2F, 0x34);
    if (look.lit) {
        top = look.pressed ? QColor(0x2C, 0x29, 0x22) : QColor(0x55, 0x52, 0x4A);
        bottom = QColor(0x33, 0x30, 0x2A);
    }
    fillMetal(p, roundedRect(inner, radius - 1), top, bottom, seed, 2.2);

    // Bevel: light on the upper lip and dark below when raised, the reverse when pressed in.
    QLinearGradient bevel(inner.topLeft(), inner.bottomLeft());
    if (look.pressed) {
        bevel.setColorAt(0.0, QColor(0, 0, 0, 150));
        bevel.setColorAt(0.35, QColor(0, 0, 0, 0));
        bevel.setColorAt(0.8, QColor(255, 255, 255, 0));
        bevel.setColorAt(1.0, QColor(255, 255, 255, 34));
    } else {
        bevel.setColorAt(0.0, QColor(255, 255, 255, 92));
        bevel.setColorAt(0.3, QColor(255, 255, 255, 14));
        bevel.setColorAt(0.75, QColor(0, 0, 0, 0));
        bevel.setColorAt(1.0, QColor(0, 0, 0, 90));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bevel), 1.0));
    p.drawPath(roundedRect(inner.adjusted(0.5, 0.5, -0.5, -0.5), std::max(0, radius - 1)));
    p.restore();
    return face.adjusted(2, 2, -2, -2);
}

void SkinStyle::drawWell(QPainter& p, const QRectF& area, qreal radius, QColor fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The lip: shadowed above, catching light below, so the well reads as cut into the metal.
    QLinearGradient lip(area.topLeft(), area.bottomLeft());
    lip.setColorAt(0.0, QColor(0, 0, 0, 120));
    lip.setColorAt(0.6, QColor(0, 0, 0, 50));
    lip.setColorAt(1.0, QColor(255, 255, 255, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(lip);
    p.drawPath(roundedRect(area, radius));
    const QRectF inner = area.adjusted(1, 1, -1, -1);
    p.setBrush(fill);
    p.drawPath(roundedRect(inner, std::max<qreal>(0, radius - 1)));
    QLinearGradient shade(inner.topLeft(), inner.bottomLeft());
    shade.setColorAt(0.0, QColor(0, 0, 0, 140));
    shade.setColorAt(0.25, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(255, 255, 255, 8));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(shade), 1.0));
    p.drawPath(roundedRect(inner.adjusted(0.5, 0.5, -0.5, -0.5), std::max<qreal>(0, radius - 1)));
    p.restore();
}

namespace {

QRectF slotRect(QPointF from, QPointF to, qreal width)
{
    // Extend by half the width past both ends so the rounded caps centre on the end points.
    const qreal half = width / 2.0;
    return QRectF(QPointF(std::min(from.x(), to.x()) - half, std::min(from.y(), to.y()) - half),
                  QPointF(std::max(from.x(), to.x()) + half, std::max(from.y(), to.y()) + half));
}

} // namespace

void SkinStyle::drawSlot(QPainter& p, QPointF from, QPointF to, qreal width)
{
    const QRectF r = slotRect(from, to, width);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawPath(roundedRect(r.adjusted(-1, -1, 1, 1).translated(0, 0.5), width / 2.0 + 1));
    p.setBrush(QColor(0, 0, 0, 230));
    p.drawPath(roundedRect(r.adjusted(-1, -1, 1, 1), width / 2.0 + 1));
    p.setBrush(QColor(0x05, 0x06, 0x07));
    p.drawPath(roundedRect(r, width / 2.0));
    p.restore();
}

void SkinStyle::drawLitSlot(QPainter& p, QPointF from, QPointF to, qreal width)
{
    const QRectF r = slotRect(from, to, width);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(accent(), 70));
    p.drawPath(roundedRect(r.adjusted(-1, -1, 1, 1), width / 2.0 + 1));
    // Lit across the slot: brightest along its middle, like a light pipe.
    const bool horizontal = r.width() > r.height();
    QLinearGradient core(r.topLeft(), horizontal ? r.bottomLeft() : r.topRight());
    core.setColorAt(0.0, accentDeep());
    core.setColorAt(0.5, accentBright());
    core.setColorAt(1.0, accentDeep());
    p.setBrush(core);
    p.drawPath(roundedRect(r, width / 2.0));
    p.restore();
}

void SkinStyle::drawGlow(QPainter& p, QPointF centre, qreal radius, QColor colour, int alpha)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, withAlpha(colour, alpha));
    glow.setColorAt(0.5, withAlpha(colour, alpha / 3));
    glow.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void SkinStyle::drawLamp(QPainter& p, QPointF centre, qreal radius, QColor colour, bool lit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (lit)
        drawGlow(p, centre, radius * 2.4, colour, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(outline());
    p.drawEllipse(centre, radius + 1, radius + 1);
    QRadialGradient lens(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    if (lit) {
        lens.setColorAt(0.0, colour.lighter(160));
        lens.setColorAt(0.5, colour);
        lens.setColorAt(1.0, colour.darker(170));
    } else {
        lens.setColorAt(0.0, colour.darker(300));
        lens.setColorAt(1.0, colour.darker(600));
    }
    p.setBrush(lens);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, lit ? 150 : 40));
    p.drawEllipse(centre - QPointF(radius * 0.35, radius * 0.4), radius * 0.3, radius * 0.22);
    p.restore();
}

void SkinStyle::drawLabel(QPainter& p, const QRectF& box, int flags, const QString& text,
                          const QFont& font, QColor colour, bool shadow)
{
    p.save();
    p.setFont(font);
    if (shadow) {
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(box.translated(0, 1), flags, text);
    }
    p.setPen(colour);
    p.drawText(box, flags, text);
    p.restore();
}

void SkinStyle::hLine(QPainter& p, int x1, int x2, int y, QColor colour)
{
    p.fillRect(QRect(std::min(x1, x2), y, std::abs(x2 - x1) + 1, 1), colour);
}

void SkinStyle::vLine(QPainter& p, int x, int y1, int y2, QColor colour)
{
    p.fillRect(QRect(x, std::min(y1, y2), 1, std::abs(y2 - y1) + 1), colour);
}

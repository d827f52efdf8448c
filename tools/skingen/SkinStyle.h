#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>

class QPainter;

// The skin's palette, fonts and the few drawing primitives every picture family shares (raised
// keys, recessed wells, brushed metal, labels), so that all 300 pictures keep one look.
class SkinStyle
{
public:
    // How a key is drawn: raised or pushed in, and whether its label/LED is lit by the accent.
    struct KeyLook
    {
        bool pressed = false;
        bool lit = false;
    };

    static QColor accent() { return QColor(0xFA, 0xBA, 0x00); }
    static QColor accentBright() { return QColor(0xFF, 0xD8, 0x5A); }
    static QColor accentDeep() { return QColor(0x8A, 0x62, 0x00); }
    static QColor label() { return QColor(0xDD, 0xE0, 0xE4); }
    static QColor labelPressed() { return QColor(0xB4, 0xB8, 0xBE); }
    static QColor caption() { return QColor(0xA9, 0xAE, 0xB5); }
    static QColor captionDim() { return QColor(0x6E, 0x74, 0x7C); }
    static QColor outline() { return QColor(0x07, 0x08, 0x0A); }
    static QColor glass() { return QColor(0x10, 0x12, 0x15); }
    static QColor online() { return QColor(0x3C, 0xDC, 0x7A); }
    static QColor offline() { return QColor(0xE4, 0x4B, 0x3C); }

    // Chinese labels need the Simplified Chinese face named explicitly: left to fontconfig, the
    // shared Noto file answers with its Japanese glyph shapes.
    static QString cjkFamily() { return QStringLiteral("Noto Sans CJK SC"); }
    static QString latinFamily() { return QStringLiteral("DejaVu Sans"); }
    // The Debian packages that install the two families.
    static QString fontPackages() { return QStringLiteral("fonts-noto-cjk fonts-dejavu-core"); }
    static QFont cjkFont(int pixelSize, bool bold = false);
    static QFont latinFont(int pixelSize, bool bold = false);
    // The CJK face for any text holding a CJK character, the Latin face otherwise.
    static QFont labelFont(const QString& text, int pixelSize, bool bold = false);

    // A vertical gradient from top to bottom with brushed grain, as a texture for fills.
    static QImage metalTexture(QSize size, QColor top, QColor bottom, quint32 seed,
                               double grainStrength);
    static void fillMetal(QPainter& p, const QPainterPath& shape, QColor top, QColor bottom,
                          quint32 seed, double grainStrength);

    // A raised key (or pushed in when pressed: face one pixel down-right, darker, highlight
    // inverted) inside area. Returns the face's content rectangle, already shifted when pressed.
    static QRect drawKey(QPainter& p, const QRect& area, int radius, KeyLook look, quint32 seed);
    // A recessed well: dark fill, shadowed upper lip, light lower lip.
    static void drawWell(QPainter& p, const QRectF& area, qreal radius, QColor fill);
    // A narrow slot a thumb runs in, between the two ends (inclusive pixel centres).
    static void drawSlot(QPainter& p, QPointF from, QPointF to, qreal width);
    // An accent-lit slot fill, same geometry as drawSlot.
    static void drawLitSlot(QPainter& p, QPointF from, QPointF to, qreal width);
    // A soft radial glow.
    static void drawGlow(QPainter& p, QPointF centre, qreal radius, QColor colour, int alpha);
    // A small round lamp: dark when unlit, glowing in colour when lit.
    static void drawLamp(QPainter& p, QPointF centre, qreal radius, QColor colour, bool lit);

    // A label with a one-pixel dark shadow underneath, which keeps it crisp on metal.
    static void drawLabel(QPainter& p, const QRectF& box, int flags, const QString& text,
                          const QFont& font, QColor colour, bool shadow = true);

    // Crisp one-pixel lines on whole pixels.
    static void hLine(QPainter& p, int x1, int x2, int y, QColor colour);
    static void vLine(QPainter& p, int x, int y1, int y2, QColor colour);

    static QPainterPath roundedRect(const QRectF& r, qreal radius);
};

#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Seven-segment LED digits, the read-outs' typeface. Small sizes are drawn on whole pixels so
// they stay crisp and legible; large ones get chamfered segments with thin gaps, as real LED
// displays show.
class SegmentDigit
{
public:
    enum class Shape
    {
        Blocky,    // whole-pixel segments meeting at filled joints: legible at 10 pixels
        Rounded,   // blocky with the glyph's four outer corner pixels left out: softer
        Chamfered, // antialiased hexagonal segments with gaps, for large displays
    };

    // Draws digit 0..9 into box (segment thickness in pixels).
    static void draw(QPainter& p, const QRect& box, int digit, int thickness, Shape shape,
                     const QColor& colour);
    // The middle segment alone.
    static void drawMinus(QPainter& p, const QRect& box, int thickness, Shape shape,
                          const QColor& colour);

private:
    static void drawSegments(QPainter& p, const QRect& box, unsigned segments, int thickness,
                             Shape shape, const QColor& colour);
};

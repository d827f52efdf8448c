#include "DisplayPainter.h"

#include "SegmentDigit.h"
#include "SkinStyle.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr int FirstConnectionId = 111; // states 0 (offline) .. 6 (online)
constexpr int LastConnectionId = 117;
constexpr int FirstInputId = 158; // inputs 1..7
constexpr int LastInputId = 164;
constexpr int FirstModeId = 210; // modes 1..8
constexpr int LastModeId = 217;
constexpr int FirstStartModeId = 273; // modes 1..8
constexpr int LastStartModeId = 280;
constexpr int FirstFbxId = 397; // settings 0..3
constexpr int LastFbxId = 400;
constexpr int FirstLargeDigitId = 223;
constexpr int LastLargeDigitId = 232;
constexpr int LargePointId = 295;
constexpr int LargeMinusId = 296;
constexpr int FirstSmallDigitId = 305;
constexpr int LastSmallDigitId = 314;
constexpr int ReadoutBackgroundId = 252;

// Digit pictures keep their last column empty: the read-outs place glyphs edge to edge.
constexpr int DigitSpacing = 1;

bool within(int id, int first, int last)
{
    return id >= first && id <= last;
}

QColor ledColour()
{
    return SkinStyle::accent();
}

} // namespace

bool DisplayPainter::paint(int id, QPainter& p, const QSize& size) const
{
    if (within(id, FirstConnectionId, LastConnectionId))
        paintConnection(p, size, id - FirstConnectionId);
    else if (within(id, FirstInputId, LastInputId))
        paintSelector(p, size, "输入", id - FirstInputId + 1);
    else if (within(id, FirstModeId, LastModeId))
        paintSelector(p, size, "模式", id - FirstModeId + 1);
    else if (within(id, FirstStartModeId, LastStartModeId))
        paintSelector(p, size, "开机", id - FirstStartModeId + 1);
    else if (within(id, FirstFbxId, LastFbxId))
        paintSelector(p, size, "FBX", id - FirstFbxId);
    else if (within(id, FirstLargeDigitId, LastLargeDigitId) || id == LargePointId ||
             id == LargeMinusId)
        paintLargeGlyph(p, size, id);
    else if (within(id, FirstSmallDigitId, LastSmallDigitId))
        paintSmallDigit(p, size, id - FirstSmallDigitId);
    else if (id == ReadoutBackgroundId)
        paintGlass(p, QRect(QPoint(0, 0), size));
    else
        return false;
    return true;
}

void DisplayPainter::paintGlass(QPainter& p, const QRect& area)
{
    SkinStyle::drawWell(p, QRectF(area), 4, SkinStyle::glass());
    // A faint reflection across the upper half of the glass.
    const QRectF inner = QRectF(area).adjusted(2, 2, -2, -area.height() / 2.0);
    QLinearGradient sheen(inner.topLeft(), inner.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 16));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 3));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(SkinStyle::roundedRect(inner, 2.5));
    p.restore();
}

void DisplayPainter::paintSelector(QPainter& p, const QSize& size, const char* caption, int number)
{
    const QRect area(QPoint(0, 0), size);
    paintGlass(p, area);
    const QString text = QString::fromUtf8(caption);
    const bool large = size.height() >= 40;
    const QFont font = SkinStyle::labelFont(text, large ? 15 : 12, true);
    // Digit size follows the display: about half its height, segments 3 or 2 pixels thick.
    const int digitHeight = large ? 26 : 16;
    const int digitWidth = large ? 15 : 9;
    const int thickness = large ? 3 : 2;
    const int gap = large ? 9 : 4;
    const int textWidth = QFontMetrics(font).horizontalAdvance(text);
    const int total = textWidth + gap + digitWidth;
    const int left = (size.width() - total) / 2;
    QRect digitBox(left + textWidth + gap, (size.height() - digitHeight) / 2, digitWidth,
                   digitHeight);
    SkinStyle::drawLabel(p, QRectF(left, 0, textWidth + 2, size.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text, font, SkinStyle::caption(), false);
    SkinStyle::drawGlow(p, QRectF(digitBox).center(), digitHeight * 0.7, ledColour(), 50);
    // A lone 1 uses the right-hand segments; centre it so the display does not look lopsided.
    if (number == 1)
        digitBox.translate(-(digitWidth - thickness) / 2, 0);
    SegmentDigit::draw(p, digitBox, number, thickness,
                       large ? SegmentDigit::Shape::Chamfered : SegmentDigit::Shape::Blocky,
                       ledColour());
}

void DisplayPainter::paintConnection(QPainter& p, const QSize& size, int state)
{
    constexpr int Online = 6;
    constexpr int Segments = 12;
    const QRect area(QPoint(0, 0), size);
    SkinStyle::drawWell(p, QRectF(area), 6, SkinStyle::glass());
    const QPointF centre(size.width() / 2.0, 25.5);
    const QColor ring = state == Online ? SkinStyle::online() : SkinStyle::accent();
    // Connecting lights two more ring segments per step; online lights the ring in green.
    const int lit = state == Online ? Segments : state * 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (state == Online)
        SkinStyle::drawGlow(p, centre, 24, SkinStyle::online(), 70);
    const QRectF arcBox(centre.x() - 16, centre.y() - 16, 32, 32);
    for (int k = 0; k < Segments; ++k) {
        const bool on = k < lit;
        QPen pen(on ? ring : QColor(0x2A, 0x2E, 0x33), 3.2, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        // Clockwise from the top; Qt counts angles anticlockwise in 1/16 degree.
        const double start = 90.0 - k * 30.0 - 4.0;
        p.drawArc(arcBox, static_cast<int>(std::lround(start * 16)), -22 * 16);
    }
    p.restore();
    const QColor lamp = state == Online ? SkinStyle::online()
                        : state == 0    ? SkinStyle::offline()
                                        : SkinStyle::accent();
    SkinStyle::drawLamp(p, centre, 6.5, lamp, true);

    const QString text = state == Online ? QStringLiteral("联机")
                         : state == 0    ? QStringLiteral("脱机")
                                         : QStringLiteral("连接中");
    const QColor ink = state == Online ? SkinStyle::online()
                       : state == 0    ? QColor(0xD0, 0x7A, 0x70)
                                       : SkinStyle::accent();
    SkinStyle::drawLabel(p, QRectF(0, 47, size.width(), 19), Qt::AlignCenter, text,
                         SkinStyle::cjkFont(12, true), ink, false);
}

void DisplayPainter::paintLargeGlyph(QPainter& p, const QSize& size, int id)
{
    constexpr int Thickness = 2;
    const QRect glyph(0, 0, size.width() - DigitSpacing, size.height());
    if (id == LargePointId) {
        p.fillRect(
            QRect(glyph.center().x() - 1 + 1, size.height() - Thickness, Thickness, Thickness),
            ledColour());
    } else if (id == LargeMinusId) {
        SegmentDigit::drawMinus(p, glyph, Thickness, SegmentDigit::Shape::Rounded, ledColour());
    } else {
        SegmentDigit::draw(p, glyph, id - FirstLargeDigitId, Thickness,
                           SegmentDigit::Shape::Rounded, ledColour());
    }
}

void DisplayPainter::paintSmallDigit(QPainter& p, const QSize& size, int digit)
{
    SegmentDigit::draw(p, QRect(0, 0, size.width() - DigitSpacing, size.height()), digit, 2,
                       SegmentDigit::Shape::Rounded, ledColour());
}

#include "MarkerPainter.h"

#include "SkinStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Bands = 15;
constexpr int HighCutBand = 15;
constexpr int LowCutBand = 16;

constexpr int FirstGraphMarkerId = 176; // bands 1..15, high cut 191, low cut 192
constexpr int FirstSelectedGraphMarkerId = 193;
constexpr int LastGraphMarkerId = 209;
constexpr int GroupMarkerId = 250;
constexpr int FirstBandNameId = 326; // states 0..16 online, 17 spare, 18..34 offline
constexpr int SpareBandNameId = 343;
constexpr int FirstOfflineBandNameId = 344;
constexpr int LastBandNameId = 360;
constexpr int LineOnlineId = 361;
constexpr int LineOfflineId = 362;
constexpr int FirstEditorMarkerId = 363; // bands 1..15, normal and selected
constexpr int LowCutEditorMarkerId = 393;
constexpr int HighCutEditorMarkerId = 395;
constexpr int LastEditorMarkerId = 396;

} // namespace

QString MarkerPainter::bandName(int band)
{
    if (band == HighCutBand)
        return QStringLiteral("高切");
    if (band == LowCutBand)
        return QStringLiteral("低切");
    return QStringLiteral("EQ %1").arg(band + 1);
}

bool MarkerPainter::paint(int id, QPainter& p, const QSize& size) const
{
    if (id >= FirstGraphMarkerId && id <= LastGraphMarkerId) {
        const bool selected = id >= FirstSelectedGraphMarkerId;
        const int band = id - (selected ? FirstSelectedGraphMarkerId : FirstGraphMarkerId);
        const bool cut = band >= Bands;
        const QString text = band == HighCutBand  ? QStringLiteral("H")
                             : band == LowCutBand ? QStringLiteral("L")
                                                  : QString::number(band + 1);
        paintGraphMarker(p, size, text, cut, selected);
        return true;
    }
    if (id == GroupMarkerId) {
        paintGroupMarker(p, size);
        return true;
    }
    if (id >= FirstBandNameId && id <= LastBandNameId) {
        // The spare state is never shown; it stays empty.
        if (id != SpareBandNameId) {
            const bool online = id < SpareBandNameId;
            paintBandName(p, size,
                          bandName(id - (online ? FirstBandNameId : FirstOfflineBandNameId)),
                          online);
        }
        return true;
    }
    if (id == LineOnlineId || id == LineOfflineId) {
        paintIndicatorLine(p, size, id == LineOnlineId);
        return true;
    }
    if (id >= FirstEditorMarkerId && id <= LastEditorMarkerId) {
        const int pairStart = id - (id - FirstEditorMarkerId) % 2;
        const bool selected = id != pairStart;
        QString text;
        if (pairStart == LowCutEditorMarkerId)
            text = bandName(LowCutBand);
        else if (pairStart == HighCutEditorMarkerId)
            text = bandName(HighCutBand);
        else
            text = bandName((pairStart - FirstEditorMarkerId) / 2);
        paintEditorMarker(p, size, pairStart, text, selected);
        return true;
    }
    return false;
}

void MarkerPainter::paintGraphMarker(QPainter& p, const QSize& size, const QString& text, bool cut,
                                     bool selected)
{
    // The graph puts the picture's pixel (10, 10) on the band's point: centre the mark there.
    const QPointF centre(10.5, 10.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    if (cut) {
        // Cut filters get a diamond, so they read apart from the peaking bands at a glance.
        const double r = 9.6;
        shape.moveTo(centre.x(), centre.y() - r);
        shape.lineTo(centre.x() + r, centre.y());
        shape.lineTo(centre.x(), centre.y() + r);
        shape.lineTo(centre.x() - r, centre.y());
        shape.closeSubpath();
    } else {
        const double r = std::min(size.width(), size.height()) / 2.0 - 1.6;
        shape.addEllipse(centre, r, r);
    }
    if (selected) {
        p.setPen(QPen(SkinStyle::accentBright(), 1.2));
        p.setBrush(SkinStyle::accent());
    } else {
        p.setPen(QPen(QColor(0xD8, 0xDC, 0xE2, 230), 1.2));
        p.setBrush(QColor(0x15, 0x18, 0x1C, 215));
    }
    p.drawPath(shape);
    p.restore();

    QFont font = SkinStyle::latinFont(text.size() > 1 ? 9 : 10, true);
    if (text.size() > 1)
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    SkinStyle::drawLabel(p, QRectF(0, 0.5, 21, 21), Qt::AlignCenter, text, font,
                         selected ? QColor(0x1E, 0x16, 0x00) : QColor(0xF2, 0xF3, 0xF5), false);
}

void MarkerPainter::paintEditorMarker(QPainter& p, const QSize& size, int firstId,
                                      const QString& text, bool selected)
{
    const QRect face =
        SkinStyle::drawKey(p, QRect(QPoint(0, 0), size), 4, SkinStyle::KeyLook{selected, selected},
                           static_cast<quint32>(firstId));
    SkinStyle::drawLabel(
        p, face.adjusted(0, -1, 0, 1), Qt::AlignCenter, text,
        SkinStyle::labelFont(text, text.startsWith(QLatin1Char('E')) ? 11 : 12, true),
        selected ? SkinStyle::accent() : SkinStyle::label());
}

void MarkerPainter::paintBandName(QPainter& p, const QSize& size, const QString& text, bool online)
{
    const QFont font = SkinStyle::labelFont(text, 11, true);
    SkinStyle::drawLabel(p, QRectF(0, -1, size.width(), size.height() + 1), Qt::AlignCenter, text,
                         font, online ? SkinStyle::accent() : SkinStyle::captionDim(), false);
}

void MarkerPainter::paintIndicatorLine(QPainter& p, const QSize& size, bool online)
{
    const int row = size.height() / 2;
    if (online) {
        // A lit bar that fades towards both ends, with a soft halo above and below.
        QLinearGradient fade(0, 0, size.width(), 0);
        QColor clear = SkinStyle::accent();
        clear.setAlpha(0);
        fade.setColorAt(0.0, clear);
        fade.setColorAt(0.2, SkinStyle::accent());
        fade.setColorAt(0.8, SkinStyle::accent());
        fade.setColorAt(1.0, clear);
        p.fillRect(QRect(0, row, size.width(), 1), fade);
        p.setOpacity(0.3);
        p.fillRect(QRect(0, row - 1, size.width(), 1), fade);
        p.fillRect(QRect(0, row + 1, size.width(), 1), fade);
        p.setOpacity(1.0);
    } else {
        p.fillRect(QRect(2, row, size.width() - 4, 1), SkinStyle::captionDim());
    }
}

void MarkerPainter::paintGroupMarker(QPainter& p, const QSize& size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    SkinStyle::drawGlow(p, QPointF(size.width() / 2.0, size.height() - 3.0), size.width() / 2.0,
                        SkinStyle::accent(), 70);
    // A pointer up at the tab above, on a short lit bar.
    QPainterPath pointer;
    const double mid = size.width() / 2.0;
    pointer.moveTo(mid - 4.5, 4.5);
    pointer.lineTo(mid, 0.5);
    pointer.lineTo(mid + 4.5, 4.5);
    pointer.closeSubpath();
    pointer.addRoundedRect(QRectF(3, 4.5, size.width() - 6, 3.5), 1.75, 1.75);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinStyle::accent());
    p.drawPath(pointer.simplified());
    p.restore();
}

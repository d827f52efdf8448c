#include "PanelPainter.h"

#include "SkinStyle.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRegion>
#include <cmath>
#include <numbers>

namespace {

constexpr int LogoId = 110;
constexpr int EmblemId = 144;
// Where the emblem's bezel catches the light: upper left, in radians counter-clockwise from 3
// o'clock.
constexpr double BezelLightAngle = 2.0 * std::numbers::pi / 3.0;

QFont captionFont(const PanelLayout::Caption& caption)
{
    switch (caption.style) {
    case PanelLayout::CaptionStyle::Heading:
        return SkinStyle::labelFont(caption.text, 15, true);
    case PanelLayout::CaptionStyle::Unit:
        return SkinStyle::labelFont(caption.text, 10, true);
    case PanelLayout::CaptionStyle::Label:
        break;
    }
    return SkinStyle::labelFont(caption.text, 12, true);
}

QColor captionColour(PanelLayout::CaptionStyle style)
{
    switch (style) {
    case PanelLayout::CaptionStyle::Heading:
        return SkinStyle::label();
    case PanelLayout::CaptionStyle::Unit:
        return SkinStyle::captionDim();
    case PanelLayout::CaptionStyle::Label:
        break;
    }
    return SkinStyle::caption();
}

} // namespace

bool PanelPainter::paint(int id, QPainter& p, const QSize& size) const
{
    switch (id) {
    case PanelLayout::TitleStripId:
        paintTitleStrip(p, size);
        break;
    case LogoId:
        paintLogo(p, size);
        return true;
    case EmblemId:
        paintEmblem(p, QRectF(0, 0, size.width(), size.height()));
        return true;
    case PanelLayout::ToolbarId:
        paintPlate(p, size, id, true);
        break;
    case PanelLayout::MasterSectionId:
    case PanelLayout::EffectPanelId:
    case PanelLayout::BandEditorId:
    case PanelLayout::VolumePanelId:
    case PanelLayout::LevelPanelId:
        paintPlate(p, size, id, false);
        break;
    default:
        return false;
    }
    paintArt(p, PanelLayout::art(id));
    return true;
}

void PanelPainter::paintTitleStrip(QPainter& p, const QSize& size)
{
    const QRect all(QPoint(0, 0), size);
    QPainterPath path;
    path.addRect(QRectF(all));
    SkinStyle::fillMetal(p, path, QColor(0x27, 0x2A, 0x2F), QColor(0x1A, 0x1C, 0x20),
                         PanelLayout::TitleStripId, 2.0);
    const int w = size.width();
    const int h = size.height();
    SkinStyle::hLine(p, 0, w - 1, 0, QColor(255, 255, 255, 40));
    // The warm hairline along the bottom edge ties the title to the accent of the controls.
    SkinStyle::hLine(p, 0, w - 1, h - 2, QColor(0xFA, 0xBA, 0x00, 90));
    SkinStyle::hLine(p, 0, w - 1, h - 1, QColor(0, 0, 0, 230));
}

void PanelPainter::paintLogo(QPainter& p, const QSize& size)
{
    const int h = size.height();
    paintEmblem(p, QRectF(2, 3, h - 6, h - 6));
    const QFont brand = SkinStyle::latinFont(24, true);
    QFont name = SkinStyle::latinFont(24, false);
    const int left = h + 6;
    const int brandWidth = QFontMetrics(brand).horizontalAdvance(QStringLiteral("TOLVE"));
    SkinStyle::drawLabel(p, QRectF(left, 0, brandWidth + 4, h), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("TOLVE"), brand, SkinStyle::label());
    const int nameLeft = left + brandWidth + 10;
    SkinStyle::vLine(p, nameLeft - 6, 12, h - 13, QColor(0xFA, 0xBA, 0x00, 160));
    SkinStyle::drawLabel(p, QRectF(nameLeft, 0, size.width() - nameLeft, h),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tonvexa"), name,
                         SkinStyle::accent());
}

void PanelPainter::paintEmblem(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = box.center();
    const double radius = std::min(box.width(), box.height()) / 2.0 - 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(centre + QPointF(0.6, 0.8), radius, radius);
    p.setBrush(SkinStyle::outline());
    p.drawEllipse(centre, radius, radius);
    // A turned metal bezel around a dark face with the accent response curve. Across a ring, a
    // light-dark-light gradient lights two opposite sides as turned metal does; unlike a conical
    // gradient it also exists in SVG, which the scalable desktop icon is drawn into.
    const QPointF lightSide(radius * std::cos(BezelLightAngle),
                            -radius * std::sin(BezelLightAngle));
    QLinearGradient bezel(centre + lightSide, centre - lightSide);
    bezel.setColorAt(0.0, QColor(0x9A, 0xA0, 0xA8));
    bezel.setColorAt(0.5, QColor(0x36, 0x3A, 0x40));
    bezel.setColorAt(1.0, QColor(0x86, 0x8C, 0x94));
    p.setBrush(bezel);
    p.drawEllipse(centre, radius - 1, radius - 1);
    const double face = radius * 0.74;
    QRadialGradient dark(centre - QPointF(0, face * 0.4), face * 1.3);
    dark.setColorAt(0.0, QColor(0x24, 0x27, 0x2C));
    dark.setColorAt(1.0, QColor(0x0B, 0x0C, 0x0E));
    p.setBrush(dark);
    p.drawEllipse(centre, face, face);

    QPainterPath curve;
    const double span = face * 1.5;
    const double left = centre.x() - span / 2.0;
    const double base = centre.y() + face * 0.28;
    curve.moveTo(left, base);
    curve.cubicTo(left + span * 0.30, base, left + span * 0.34, base - face * 0.95, centre.x(),
                  base - face * 0.95);
    curve.cubicTo(left + span * 0.66, base - face * 0.95, left + span * 0.70, base, left + span,
                  base);
    SkinStyle::drawGlow(p, QPointF(centre.x(), base - face * 0.5), face, SkinStyle::accent(), 60);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SkinStyle::accent(), std::max(1.4, radius / 11.0), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
    p.setPen(QPen(QColor(0xFA, 0xBA, 0x00, 110), 1.0));
    p.drawLine(QPointF(left, base + face * 0.3), QPointF(left + span, base + face * 0.3));
    p.restore();
}

void PanelPainter::paintPlate(QPainter& p, const QSize& size, int id, bool dark)
{
    const QRectF all(0, 0, size.width(), size.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(SkinStyle::outline());
    p.drawPath(SkinStyle::roundedRect(all, 7));
    const QRectF face = all.adjusted(1, 1, -1, -1);
    const QColor top = dark ? QColor(0x2F, 0x33, 0x38) : QColor(0x3A, 0x3E, 0x44);
    const QColor bottom = dark ? QColor(0x22, 0x25, 0x29) : QColor(0x2A, 0x2D, 0x32);
    SkinStyle::fillMetal(p, SkinStyle::roundedRect(face, 6), top, bottom, static_cast<quint32>(id),
                         2.4);
    // Lit from above: a bright upper lip and a dark lower one.
    QLinearGradient lip(face.topLeft(), face.bottomLeft());
    lip.setColorAt(0.0, QColor(255, 255, 255, 70));
    lip.setColorAt(0.06, QColor(255, 255, 255, 12));
    lip.setColorAt(0.9, QColor(0, 0, 0, 0));
    lip.setColorAt(1.0, QColor(0, 0, 0, 100));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(lip), 1));
    p.drawPath(SkinStyle::roundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 5.5));
    // The recessed frame: a groove a few pixels inside the edge.
    const QRectF groove = face.adjusted(3.5, 3.5, -3.5, -3.5);
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    p.drawPath(SkinStyle::roundedRect(groove.translated(1, 1), 4));
    p.setPen(QPen(QColor(0, 0, 0, 130), 1));
    p.drawPath(SkinStyle::roundedRect(groove, 4));
    p.restore();
}

void PanelPainter::paintArt(QPainter& p, const PanelLayout::Art& art)
{
    for (const QRect& band : art.bands)
        p.fillRect(band, QColor(0, 0, 0, 34));
    for (const QRect& groove : art.grooves) {
        p.fillRect(groove, QColor(0, 0, 0, 130));
        p.fillRect(groove.translated(groove.width() == 1 ? 1 : 0, groove.height() == 1 ? 1 : 0),
                   QColor(255, 255, 255, 26));
    }
    for (const QRect& vent : art.vents)
        paintVents(p, vent);
    for (const QRect& bay : art.bays)
        SkinStyle::drawWell(p, QRectF(bay), 6, QColor(0x1A, 0x1C, 0x20, 150));
    for (const PanelLayout::Section& section : art.sections)
        paintSection(p, section);
    for (const PanelLayout::Nameplate& plate : art.nameplates)
        paintNameplate(p, plate);
    for (const QRect& well : art.wells)
        SkinStyle::drawWell(p, QRectF(well), 3, SkinStyle::glass());
    for (const PanelLayout::Caption& caption : art.captions)
        paintCaption(p, caption);
    if (art.selectedTab >= 0)
        paintTabs(p, art.selectedTab);
}

void PanelPainter::paintSection(QPainter& p, const PanelLayout::Section& section)
{
    const QFont font = SkinStyle::labelFont(section.caption, 12, true);
    const QFontMetrics metrics(font);
    const QRectF frame = QRectF(section.rect).adjusted(0.5, 0.5, -1.5, -1.5);
    const int textWidth = metrics.horizontalAdvance(section.caption);
    const QRect textBox(section.rect.left() + 12, section.rect.top() - 8, textWidth + 10, 16);
    p.save();
    // Leave the top edge open where the caption sits.
    p.setClipRegion(QRegion(section.rect.adjusted(-2, -2, 2, 2)) - QRegion(textBox));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawPath(SkinStyle::roundedRect(frame.translated(1, 1), 5));
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.drawPath(SkinStyle::roundedRect(frame, 5));
    p.restore();
    SkinStyle::drawLabel(p, QRectF(textBox).adjusted(5, -1, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         section.caption, font, SkinStyle::label());
}

void PanelPainter::paintVents(QPainter& p, const QRect& area)
{
    // Horizontal slots punched through the plate, as on rack gear: dark inside, a lit lower lip.
    constexpr int Pitch = 9;
    constexpr int SlotHeight = 4;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int y = area.top(); y + SlotHeight <= area.bottom(); y += Pitch) {
        const QRectF slot(area.left(), y, area.width(), SlotHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 32));
        p.drawRoundedRect(slot.translated(0, 1), 2, 2);
        p.setBrush(QColor(0x06, 0x07, 0x08, 200));
        p.drawRoundedRect(slot, 2, 2);
    }
    p.restore();
}

void PanelPainter::paintNameplate(QPainter& p, const PanelLayout::Nameplate& plate)
{
    // A brushed plate screwed onto the panel: slightly raised, title engraved.
    const QRectF r(plate.rect);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(SkinStyle::roundedRect(r.translated(1, 1), 5));
    p.setBrush(SkinStyle::outline());
    p.drawPath(SkinStyle::roundedRect(r, 5));
    const QRectF face = r.adjusted(1, 1, -1, -1);
    SkinStyle::fillMetal(p, SkinStyle::roundedRect(face, 4), QColor(0x44, 0x48, 0x4F),
                         QColor(0x32, 0x35, 0x3A), 700, 2.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(face.left() + 4, face.top() + 0.5),
               QPointF(face.right() - 4, face.top() + 0.5));
    for (const QPointF screw : {QPointF(face.left() + 9, face.center().y()),
                                QPointF(face.right() - 9, face.center().y())}) {
        QRadialGradient head(screw - QPointF(1, 1), 4);
        head.setColorAt(0.0, QColor(0x9A, 0x9F, 0xA6));
        head.setColorAt(1.0, QColor(0x3A, 0x3D, 0x42));
        p.setPen(QPen(QColor(0, 0, 0, 160), 1));
        p.setBrush(head);
        p.drawEllipse(screw, 3.5, 3.5);
        p.setPen(QPen(QColor(0, 0, 0, 150), 1.2));
        p.drawLine(screw + QPointF(-2, 2), screw + QPointF(2, -2));
    }
    p.restore();
    // Engraved: dark letters with a light edge below.
    const QFont title = SkinStyle::labelFont(plate.title, 22, true);
    const QRectF titleBox(face.left(), face.top() + 14, face.width(), 32);
    SkinStyle::drawLabel(p, titleBox.translated(0, 1), Qt::AlignCenter, plate.title, title,
                         QColor(255, 255, 255, 45), false);
    SkinStyle::drawLabel(p, titleBox, Qt::AlignCenter, plate.title, title, QColor(0x14, 0x16, 0x19),
                         false);
    QFont subtitle = SkinStyle::latinFont(10, true);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);
    SkinStyle::drawLabel(p, QRectF(face.left(), titleBox.bottom() + 4, face.width(), 16),
                         Qt::AlignCenter, plate.subtitle, subtitle, QColor(0x1E, 0x20, 0x24),
                         false);
}

void PanelPainter::paintCaption(QPainter& p, const PanelLayout::Caption& caption)
{
    QFont font = captionFont(caption);
    while (caption.maxWidth > 0 && font.pixelSize() > 9 &&
           QFontMetrics(font).horizontalAdvance(caption.text) > caption.maxWidth)
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetrics metrics(font);
    const double width = metrics.horizontalAdvance(caption.text) + 2;
    const double height = metrics.height() + 2;
    double left = caption.anchor.x() - width / 2.0;
    if (caption.alignment & Qt::AlignLeft)
        left = caption.anchor.x();
    else if (caption.alignment & Qt::AlignRight)
        left = caption.anchor.x() - width;
    const QRectF box(std::round(left), std::round(caption.anchor.y() - height / 2.0), width,
                     height);
    SkinStyle::drawLabel(p, box, Qt::AlignCenter, caption.text, font, captionColour(caption.style));
}

void PanelPainter::paintTabs(QPainter& p, int selected)
{
    const QList<PanelLayout::Tab> tabs = PanelLayout::tabs();
    QRect strip = tabs.front().rect.united(tabs.back().rect).adjusted(-4, -4, 4, 4);
    SkinStyle::drawWell(p, QRectF(strip), 6, QColor(0x16, 0x18, 0x1B));
    for (int k = 0; k < tabs.size(); ++k) {
        const bool on = k == selected;
        const QRect face = SkinStyle::drawKey(p, tabs[k].rect, 5, SkinStyle::KeyLook{on, on},
                                              static_cast<quint32>(900 + k));
        const QFont font = SkinStyle::cjkFont(14, true);
        const int textWidth = QFontMetrics(font).horizontalAdvance(tabs[k].label);
        const int lamp = 7;
        const double left = face.left() + (face.width() - (lamp + 6 + textWidth)) / 2.0;
        SkinStyle::drawLamp(p, QPointF(left + lamp / 2.0, face.center().y() + 0.5),
                            lamp / 2.0 - 0.5, SkinStyle::accent(), on);
        SkinStyle::drawLabel(p, QRectF(left + lamp + 6, face.top(), textWidth + 2, face.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, tabs[k].label, font,
                             on ? SkinStyle::accent() : SkinStyle::label());
    }
}

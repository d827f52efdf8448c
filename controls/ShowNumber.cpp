#include "ShowNumber.h"

#include "DigitGlyphs.h"
#include "FormPropertyReader.h"
#include "SkinImages.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace {

constexpr int RgbMax = 0xFFFFFF;

// Columns on the left of a picture with nothing drawn in them.
int blankColumnsOnTheLeft(const QImage& picture)
{
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            if (qAlpha(picture.pixel(x, y)) != 0) {
                return x;
            }
        }
    }
    return picture.width();
}

} // namespace

ShowNumber::ShowNumber(SkinImages& skin, QWidget* parent)
    : SkinnedControl(skin, parent)
{
    skin.InitSkin();
    m_designHeight = height() * TwipsPerPixel;
}

void ShowNumber::setValue(int value)
{
    if (value != m_value) {
        m_value = value;
        invalidate();
    }
}

void ShowNumber::setDiv10(bool on)
{
    m_div10 = on;
    invalidate();
}

void ShowNumber::setBackColor(int rgb)
{
    m_backColor = rgb & RgbMax;
    invalidate();
}

void ShowNumber::setBackPic(int id)
{
    m_backPic = id;
    const QSize natural = skin().naturalSize(id);
    if (id != 0 && !natural.isEmpty()) {
        m_designHeight = natural.height() * TwipsPerPixel;
        setTwipsGeometry(QRectF(pos() * TwipsPerPixel, QSizeF(natural) * TwipsPerPixel));
    }
    invalidate();
}

void ShowNumber::setPicNumber(int id)
{
    m_picNumber = id;
    const QSize zero = skin().naturalSize(id);
    if (m_backPic == 0 && !zero.isEmpty()) {
        m_designHeight = zero.height() * TwipsPerPixel;
        setTwipsGeometry(QRectF(pos() * TwipsPerPixel,
                                QSizeF(twipsSize().width(), zero.height() * TwipsPerPixel)));
    }
    invalidate();
}

void ShowNumber::setPicDig(int id)
{
    m_picDig = id;
    invalidate();
}

QList<int> ShowNumber::glyphs() const
{
    return digitGlyphs(m_value, m_div10, m_picNumber, m_picDig);
}

void ShowNumber::render(QPainter& painter)
{
    painter.fillRect(rect(), QColor::fromRgb(QRgb(0xFF000000u | quint32(m_backColor))));
    const double s = m_designHeight > 0 ? twipsSize().height() / m_designHeight : 1.0;
    if (m_backPic != 0) {
        const QSizeF natural = skin().naturalSize(m_backPic);
        skin().DrawSkinImage(painter, m_backPic,
                             QRectF(0, 0, natural.width() * s, natural.height() * s));
    }
    const QList<int> ids = glyphs();
    const QSizeF zero = skin().naturalSize(m_picNumber);
    // Centred as if every glyph were as wide as the digit 0; a number too wide starts at 0.
    double x = std::max((width() - s * ids.size() * zero.width()) / 2, 0.0);
    const double y = std::max((height() - s * zero.height()) / 2, 0.0);
    const int minus = m_picDig + 1;
    for (int i = 0; i < ids.size(); ++i) {
        const QSizeF natural = skin().naturalSize(ids[i]);
        // The minus keeps to the digit after it, which may stand at the right of its place (a
        // 1), as far as it would from a 0: no gap opens between them.
        const double closer =
            ids[i] == minus && i + 1 < ids.size()
                ? s * std::max(0, blankColumnsOnTheLeft(skin().image(ids[i + 1])) -
                                      blankColumnsOnTheLeft(skin().image(m_picNumber)))
                : 0.0;
        skin().DrawSkinImage(
            painter, ids[i],
            QRectF(int(x + closer), int(y), natural.width() * s, natural.height() * s));
        x += natural.width() * s;
    }
}

void ShowNumber::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ShowNumber::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        emit Click();
    }
}

void ShowNumber::readProperties(FormPropertyReader& properties)
{
    const auto pictureId = [&properties](QStringView key, int fallback) {
        return int(
            properties.integer(key, fallback, SkinImages::FirstSlotId, SkinImages::LastSlotId));
    };
    const int picNumber = pictureId(u"PicNumber", 223);
    const int picDig = pictureId(u"PicDig", 295);
    const int value = int(properties.integer(u"Value", 0, INT_MIN, INT_MAX));
    const int backColor = int(properties.integer(u"BackColor", 0, 0, RgbMax));
    const bool div10 = properties.boolean(u"Div10", false);
    const int backPic = int(properties.integer(u"BackPic", 0, 0, SkinImages::LastSlotId));
    if (backPic != 0 && !SkinImages::hasSlot(backPic)) {
        properties.fail(u"BackPic", tr("BackPic must be 0 (none) or an id from %1 to "
                                       "%2")
                                        .arg(SkinImages::FirstSlotId)
                                        .arg(SkinImages::LastSlotId));
    }
    const QString tagNew = properties.text(u"TagNew", QString());
    if (!properties.ok()) {
        return;
    }
    m_picNumber = picNumber;
    m_picDig = picDig;
    m_value = value;
    m_backColor = backColor;
    m_div10 = div10;
    m_backPic = backPic;
    m_tagNew = tagNew;
    m_designHeight = twipsSize().height();
    invalidate();
}

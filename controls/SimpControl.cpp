#include "SimpControl.h"

#include "FormPropertyReader.h"
#include "NumberList.h"
#include "SkinImages.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int ByteMax = 255;
constexpr int RgbMax = 0xFFFFFF;

// The refusal flash: a red veil over the picture inside a red frame.
constexpr QRgb RefusalVeil = 0x66E8382C;
constexpr QRgb RefusalFrame = 0xFFFF4B3E;
constexpr qreal RefusalFrameWidth = 2;
constexpr qreal RefusalCorner = 4;

QList<int> numbersOrNone(const QString& text)
{
    return parseNumberList(text).value_or(QList<int>());
}

bool isPressButton(Qt::MouseButton button)
{
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

} // namespace

SimpControl::SimpControl(SkinImages& skin, QWidget* parent)
    : SkinnedControl(skin, parent)
{
    skin.InitSkin();
    setMouseTracking(true);
    m_designWidth = width() * TwipsPerPixel;
    m_refusal.setSingleShot(true);
    m_refusal.setInterval(RefusalMs);
    connect(&m_refusal, &QTimer::timeout, this, &SimpControl::invalidate);
}

void SimpControl::showRefusal()
{
    m_refusal.start();
    invalidate();
}

void SimpControl::setValue(int value)
{
    value = std::clamp(value, 0, ByteMax);
    if (value != m_value) {
        m_value = value;
        invalidate();
    }
}

void SimpControl::setPosX(const QString& offsets)
{
    m_posX = offsets;
    m_offsetsX = numbersOrNone(offsets);
    invalidate();
}

void SimpControl::setPosY(const QString& offsets)
{
    m_posY = offsets;
    m_offsetsY = numbersOrNone(offsets);
    invalidate();
}

void SimpControl::setPics(const QString& ids)
{
    m_pics = ids;
    m_pictureIds = numbersOrNone(ids);
    setDesignWidthFromPics();
    if (!m_pictureIds.isEmpty()) {
        const QSize natural = skin().naturalSize(m_pictureIds.first());
        if (!natural.isEmpty()) {
            setTwipsGeometry(QRectF(pos() * TwipsPerPixel, QSizeF(natural) * TwipsPerPixel));
        }
    }
    invalidate();
}

void SimpControl::setValueIndex(int index)
{
    m_valueIndex = index;
    invalidate();
}

void SimpControl::setBackColor(int rgb)
{
    m_backColor = rgb & RgbMax;
    invalidate();
}

void SimpControl::setUserHightCutPic(bool on)
{
    if (on != m_userHightCutPic) {
        m_userHightCutPic = on;
        invalidate();
    }
}

void SimpControl::setDesignWidthFromPics()
{
    m_designWidth = m_pictureIds.isEmpty()
                        ? 0
                        : skin().naturalSize(m_pictureIds.first()).width() * TwipsPerPixel;
}

void SimpControl::readProperties(FormPropertyReader& properties)
{
    const QString posX = properties.text(u"PosX", QStringLiteral("0"));
    const QString posY = properties.text(u"PosY", QStringLiteral("0"));
    const QString pics = properties.text(u"Pics", QStringLiteral("102"));
    const std::optional<QList<int>> offsetsX = parseNumberList(posX);
    const std::optional<QList<int>> offsetsY = parseNumberList(posY);
    const std::optional<QList<int>> ids = parseNumberList(pics);
    if (!ids || ids->isEmpty()) {
        properties.fail(u"Pics", tr("Pics must list picture ids, such as \"102\" "
                                    "or \"101,110\""));
    } else if (std::any_of(ids->begin(), ids->end(),
                           [](int id) { return !SkinImages::hasSlot(id); })) {
        properties.fail(u"Pics", tr("Pics \"%1\" holds an id outside %2 to %3")
                                     .arg(pics)
                                     .arg(SkinImages::FirstSlotId)
                                     .arg(SkinImages::LastSlotId));
    } else if (!offsetsX || offsetsX->size() < ids->size()) {
        properties.fail(u"PosX", tr("PosX needs one number per picture of Pics"));
    } else if (!offsetsY || offsetsY->size() < ids->size()) {
        properties.fail(u"PosY", tr("PosY needs one number per picture of Pics"));
    }
    const int valueIndex = int(properties.integer(u"ValueIndex", 0, INT_MIN, INT_MAX));
    const int value = int(properties.integer(u"Value", 0, 0, ByteMax));
    const int actionType = int(properties.integer(u"ActionType", Momentary, INT_MIN, INT_MAX));
    const bool enabled = properties.boolean(u"Enabled", true);
    const int backColor = int(properties.integer(u"BackColor", 0, 0, RgbMax));
    const QString tagNew = properties.text(u"TagNew", QString());
    if (!properties.ok()) {
        return;
    }
    m_posX = posX;
    m_posY = posY;
    m_pics = pics;
    m_offsetsX = *offsetsX;
    m_offsetsY = *offsetsY;
    m_pictureIds = *ids;
    m_valueIndex = valueIndex;
    m_value = value;
    m_actionType = actionType;
    setControlEnabled(enabled);
    m_backColor = backColor;
    m_tagNew = tagNew;
    setDesignWidthFromPics();
    invalidate();
}

void SimpControl::render(QPainter& painter)
{
    painter.fillRect(rect(), QColor::fromRgb(QRgb(0xFF000000u | quint32(m_backColor))));
    const double s = m_designWidth > 0 ? twipsSize().width() / m_designWidth : 1.0;
    for (int i = 0; i < m_pictureIds.size(); ++i) {
        const int base = (i == 0 && m_userHightCutPic) ? HighCutPicture : m_pictureIds[i];
        const int state = i == m_valueIndex ? m_value : 0;
        // Offsets missing from PosX/PosY count as 0 rather than hiding the picture.
        const int x = m_offsetsX.value(i, 0);
        const int y = m_offsetsY.value(i, 0);
        const QSizeF natural = skin().naturalSize(base);
        skin().DrawSkinImage(
            painter, base + state,
            snappedToPixels(QRectF(x * s, y * s, natural.width() * s, natural.height() * s)));
    }
    if (m_refusal.isActive()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor::fromRgba(RefusalFrame), RefusalFrameWidth));
        painter.setBrush(QColor::fromRgba(RefusalVeil));
        const qreal inset = RefusalFrameWidth / 2;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                                RefusalCorner, RefusalCorner);
        painter.restore();
    }
}

void SimpControl::mousePressEvent(QMouseEvent* event)
{
    if (!isPressButton(event->button()) || !controlEnabled()) {
        return;
    }
    const QPointF at = twipsPosition(event);
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(at.x()),
                   float(at.y()));
    switch (m_actionType) {
    case Toggle:
        m_value = m_value == 0 ? 1 : 0;
        emit Click();
        break;
    case Momentary:
        m_value = 1;
        m_held = true;
        break;
    case NotifyOnly:
        emit Click();
        break;
    default:
        break;
    }
    Refresh();
}

void SimpControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isPressButton(event->button())) {
        return;
    }
    const bool wasHeld = std::exchange(m_held, false);
    if (m_actionType == Momentary && wasHeld) {
        // A press dragged off the button and released elsewhere is taken back, as in every
        // desktop toolkit; the pressed look ends either way.
        m_value = 0;
        if (controlEnabled() && rect().contains(event->position().toPoint())) {
            emit Click();
        }
    }
    Refresh();
}

void SimpControl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_held && m_actionType == Momentary) {
        // The pressed picture shows only while the pointer is over the button.
        const int pressed = rect().contains(event->position().toPoint()) ? 1 : 0;
        if (pressed != m_value) {
            m_value = pressed;
            Refresh();
        }
    }
    const QPointF at = twipsPosition(event);
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(at.x()),
                   float(at.y()));
}

#include "SkinnedSlider.h"

#include "FormPropertyReader.h"
#include "Rounding.h"
#include "RowBands.h"
#include "SkinImages.h"
#include "SliderMapping.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <climits>

namespace {

constexpr int ByteMax = 255;
constexpr int WheelNotch = 120;
// The exposed value is a byte, so a larger range could not be reached from the owner.
constexpr int MaxValueLimit = ByteMax;

} // namespace

SkinnedSlider::SkinnedSlider(SkinImages& skin, QWidget* parent)
    : SkinnedControl(skin, parent)
{
    skin.InitSkin();
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    m_position = SliderMapping::centrePosition(m_maxValue);
    m_designWidth = width() * TwipsPerPixel;
}

int SkinnedSlider::value() const
{
    const int exposed = (m_changeMinMax ? m_maxValue - m_position : m_position) & ByteMax;
    return m_isQ ? SliderMapping::positionToQ(exposed) : exposed;
}

void SkinnedSlider::setValue(int value)
{
    int v = std::clamp(value, 0, ByteMax);
    if (m_isQ) {
        v = SliderMapping::qToPosition(v);
    }
    v = std::min(v, m_maxValue);
    if (m_changeMinMax) {
        v = m_maxValue - v;
    }
    if (v != m_position) {
        m_position = v;
        invalidate();
    }
}

void SkinnedSlider::setIsQ(bool on)
{
    m_isQ = on;
    invalidate();
}

void SkinnedSlider::setChangeMinMax(bool on)
{
    m_changeMinMax = on;
    invalidate();
}

void SkinnedSlider::setDisplayType(int type)
{
    m_displayType = type;
    invalidate();
}

void SkinnedSlider::setMaxValue(int maxValue)
{
    if (maxValue < 1) {
        return;
    }
    m_maxValue = maxValue;
    m_position = SliderMapping::centrePosition(maxValue);
    invalidate();
}

void SkinnedSlider::setValueOffset(int offset)
{
    m_valueOffset = std::clamp(offset, 0, ByteMax);
    invalidate();
}

void SkinnedSlider::setMinPos(int pixels)
{
    m_minPos = pixels;
    invalidate();
}

void SkinnedSlider::setMaxPos(int pixels)
{
    m_maxPos = pixels;
    invalidate();
}

void SkinnedSlider::setStableOtherPos(int pixels)
{
    m_stableOtherPos = pixels;
    invalidate();
}

void SkinnedSlider::setBackPic(int id)
{
    m_backPic = id;
    const QSize natural = skin().naturalSize(id);
    if (!natural.isEmpty()) {
        m_designWidth = natural.width() * TwipsPerPixel;
        setTwipsGeometry(QRectF(pos() * TwipsPerPixel, QSizeF(natural) * TwipsPerPixel));
    }
    invalidate();
}

void SkinnedSlider::setBarPic(int id)
{
    m_barPic = id;
    invalidate();
}

double SkinnedSlider::thumbCentre() const
{
    return SliderMapping::thumbCentre(m_position, m_maxValue, m_minPos, m_maxPos);
}

double SkinnedSlider::scale() const
{
    return m_designWidth > 0 ? twipsSize().width() / m_designWidth : 1.0;
}

QRectF SkinnedSlider::thumbRect() const
{
    const QSizeF thumb = skin().naturalSize(m_barPic);
    const double c = thumbCentre();
    const double s = scale();
    if (m_displayType == Horizontal) {
        return QRectF(
            QPointF((c - thumb.width() / 2) * s, m_stableOtherPos * s),
            QPointF((c + thumb.width() / 2) * s, (m_stableOtherPos + thumb.height()) * s));
    }
    if (m_displayType == Vertical) {
        return QRectF(
            QPointF(m_stableOtherPos * s, (c - thumb.height() / 2) * s),
            QPointF((m_stableOtherPos + thumb.width()) * s, (c + thumb.height() / 2) * s));
    }
    return {};
}

void SkinnedSlider::drawFill(QPainter& painter, double c, double s) const
{
    if (m_backPic == LargeFaderTrack) {
        // Lit from the thumb down to the bottom.
        const QImage& fill = skin().image(LargeFaderFill);
        const double top = std::clamp(roundHalfEven(c), 0.0, double(fill.height()));
        const QRectF source(0, top, fill.width(), fill.height() - top);
        const QRectF target(0, roundHalfEven(c * s), roundHalfEven(fill.width() * s),
                            roundHalfEven((fill.height() - c) * s));
        if (!source.isEmpty() && !target.isEmpty()) {
            RowBands::drawImage(painter, target, fill, source);
        }
        return;
    }
    const int fillId = m_backPic == EffectTrack                 ? EffectFill
                       : (m_backPic >= 245 && m_backPic <= 247) ? KnobFill
                                                                : 0;
    if (fillId == 0) {
        return;
    }
    // Lit from the left end to the thumb.
    const QImage& fill = skin().image(fillId);
    const double right = std::clamp(roundHalfEven(c), 0.0, double(fill.width()));
    const QRectF source(0, 0, right, fill.height());
    const QRectF target(0, 0, roundHalfEven(c * s), roundHalfEven(fill.height() * s));
    if (!source.isEmpty() && !target.isEmpty()) {
        RowBands::drawImage(painter, target, fill, source);
    }
}

void SkinnedSlider::render(QPainter& painter)
{
    skin().DrawSkinImage(painter, m_backPic, QRectF(rect()));
    const double s = scale();
    drawFill(painter, thumbCentre(), s);
    const bool atCentre =
        m_displayType == Horizontal && m_barPic == CentredThumb && m_position == CentredThumbCentre;
    skin().DrawSkinImage(painter, atCentre ? CentredThumbAtCentre : m_barPic,
                         snappedToPixels(thumbRect()));
}

void SkinnedSlider::mousePressEvent(QMouseEvent* event)
{
    if (!controlEnabled()) {
        return;
    }
    const QRectF thumb = thumbRect();
    const QPointF at = event->position();
    // Edges count as inside; a press beside the thumb leaves the position alone.
    if (thumb.isNull() || at.x() < thumb.left() || at.x() > thumb.right() || at.y() < thumb.top() ||
        at.y() > thumb.bottom()) {
        return;
    }
    m_dragging = true;
    emit DragStart();
    m_lastEventValue = m_position;
}

void SkinnedSlider::mouseMoveEvent(QMouseEvent* event)
{
    setMouseInside(true);
    if (!m_dragging || !controlEnabled()) {
        return;
    }
    const double along =
        m_displayType == Horizontal ? event->position().x() : event->position().y();
    m_position =
        SliderMapping::positionAt(along / scale(), m_maxValue, m_minPos, m_maxPos, m_position);
    invalidate();
    if (m_position != m_lastEventValue) {
        m_lastEventValue = m_position;
        emit Scroll();
    }
}

void SkinnedSlider::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void SkinnedSlider::keyPressEvent(QKeyEvent* event)
{
    Step direction = Step::None;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        direction = Step::Increase;
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        direction = Step::Decrease;
        break;
    default:
        break;
    }
    if (direction == Step::None || !step(direction)) {
        event->ignore();
    }
}

void SkinnedSlider::wheelEvent(QWheelEvent* event)
{
    // One notch and nothing held acts as an arrow key; anything else is left to the parent.
    const bool plain = event->buttons() == Qt::NoButton && event->modifiers() == Qt::NoModifier;
    const QPoint delta = event->angleDelta();
    if (plain && delta == QPoint(0, -WheelNotch)) {
        event->setAccepted(step(Step::Decrease));
    } else if (plain && delta == QPoint(0, WheelNotch)) {
        event->setAccepted(step(Step::Increase));
    } else {
        event->ignore();
    }
}

bool SkinnedSlider::step(Step direction)
{
    if (!controlEnabled()) {
        return true; // swallowed
    }
    if (!m_mouseInside) {
        return false;
    }
    // Up on a reversed vertical fader moves the thumb up, which raises its exposed value.
    if (m_displayType == Vertical && m_changeMinMax) {
        direction = direction == Step::Increase ? Step::Decrease : Step::Increase;
    }
    if (direction == Step::Increase && m_position < m_maxValue) {
        ++m_position;
        emit Scroll();
        invalidate();
    } else if (direction == Step::Decrease && m_position >= 1) {
        --m_position;
        emit Scroll();
        invalidate();
    }
    return true;
}

void SkinnedSlider::enterEvent(QEnterEvent* event)
{
    SkinnedControl::enterEvent(event);
    setMouseInside(true);
}

void SkinnedSlider::leaveEvent(QEvent* event)
{
    SkinnedControl::leaveEvent(event);
    setMouseInside(false);
}

void SkinnedSlider::setMouseInside(bool inside)
{
    if (inside == m_mouseInside) {
        return;
    }
    m_mouseInside = inside;
    if (inside) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void SkinnedSlider::readProperties(FormPropertyReader& properties)
{
    bool changeMinMax = properties.boolean(u"ChangeMinMax", false);
    const bool enabled = properties.boolean(u"Enabled", true);
    const int displayType = int(properties.integer(u"DisplayType", Horizontal, INT_MIN, INT_MAX));
    const int maxValue = int(properties.integer(u"MaxValue", 86, 1, MaxValueLimit));
    const int valueOffset = int(properties.integer(u"ValueOffset", 0, 0, ByteMax));
    const bool isQ = properties.boolean(u"isQ", false);
    const int minPos = int(properties.integer(u"MinPos", 56, INT_MIN / 4, INT_MAX / 4));
    const int maxPos = int(properties.integer(u"MaxPos", 256, INT_MIN / 4, INT_MAX / 4));
    if (properties.ok() && minPos == maxPos) {
        properties.fail(u"MaxPos", tr("MaxPos must differ from MinPos (%1): the "
                                      "thumb needs room to travel")
                                       .arg(minPos));
    }
    const int stableOtherPos =
        int(properties.integer(u"StableOtherPos", 7, INT_MIN / 4, INT_MAX / 4));
    const int backPic =
        int(properties.integer(u"BackPic", 245, SkinImages::FirstSlotId, SkinImages::LastSlotId));
    const int barPic =
        int(properties.integer(u"BarPic", 175, SkinImages::FirstSlotId, SkinImages::LastSlotId));
    const QString tagNew = properties.text(u"TagNew", QString());
    // Written for the record only: a slider always starts centred until its owner sets Value.
    properties.integer(u"Value", 0, 0, ByteMax);
    if (!properties.ok()) {
        return;
    }
    if (displayType == Vertical) {
        changeMinMax = true;
    }
    m_changeMinMax = changeMinMax;
    setControlEnabled(enabled);
    m_displayType = displayType;
    m_maxValue = maxValue;
    m_valueOffset = valueOffset;
    m_isQ = isQ;
    m_minPos = minPos;
    m_maxPos = maxPos;
    m_stableOtherPos = stableOtherPos;
    m_backPic = backPic;
    m_barPic = barPic;
    m_tagNew = tagNew;
    m_position = SliderMapping::centrePosition(maxValue);
    const int trackWidth = skin().naturalSize(backPic).width();
    if (trackWidth > 0) {
        m_designWidth = trackWidth * TwipsPerPixel;
    }
    invalidate();
}

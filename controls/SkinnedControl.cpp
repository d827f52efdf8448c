#include "SkinnedControl.h"

#include "RowBands.h"
#include "SkinImages.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

// A control disabled on its own (not with the window around it) is drawn faded.
constexpr qreal DisabledOpacity = 0.4;

} // namespace

SkinnedControl::SkinnedControl(SkinImages& skin, QWidget* parent)
    : QWidget(parent)
    , m_skin(skin)
{
    // The picture does not depend on the activation, only whether it is shown: one drawn ahead
    // of the first activation is kept.
    connect(&m_skin, &SkinImages::windowActivatedChanged, this, [this] { update(); });
    connect(&m_skin, &SkinImages::imageChanged, this, &SkinnedControl::invalidate);
}

void SkinnedControl::setTwipsGeometry(const QRectF& twips)
{
    m_twipsGeometry = twips;
    setGeometry(twipsToPixels(twips));
    // The picture scales with the exact twips, which may change without the pixels changing.
    invalidate();
}

void SkinnedControl::setControlEnabled(bool enabled)
{
    m_enabled = enabled;
    invalidate();
}

QSizeF SkinnedControl::twipsSize() const
{
    if (m_twipsGeometry.isValid() && twipsToPixels(m_twipsGeometry).size() == size()) {
        return m_twipsGeometry.size();
    }
    return QSizeF(width() * TwipsPerPixel, height() * TwipsPerPixel);
}

QRectF SkinnedControl::twipsGeometry() const
{
    if (m_twipsGeometry.isValid() && twipsToPixels(m_twipsGeometry) == geometry()) {
        return m_twipsGeometry;
    }
    return QRectF(QPointF(pos()) * TwipsPerPixel, QSizeF(size()) * TwipsPerPixel);
}

void SkinnedControl::Refresh()
{
    invalidate();
    repaint();
}

int SkinnedControl::buttonCode(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int SkinnedControl::shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

QPointF SkinnedControl::twipsPosition(const QMouseEvent* event)
{
    return event->position() * TwipsPerPixel;
}

QRectF SkinnedControl::snappedToPixels(const QRectF& target)
{
    return QRectF(QPointF(std::round(target.x()), std::round(target.y())), target.size());
}

void SkinnedControl::invalidate()
{
    m_bufferValid = false;
    update();
}

void SkinnedControl::prepareBuffer()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels.isEmpty() ||
        (m_bufferValid && m_buffer.size() == pixels && m_buffer.devicePixelRatio() == ratio)) {
        return;
    }
    if (m_buffer.size() != pixels) {
        m_buffer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    }
    m_buffer.setDevicePixelRatio(ratio);
    m_buffer.fill(Qt::transparent);
    QPainter painter(&m_buffer);
    // The window scales the skin to its size; smooth scaling keeps the artwork legible.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    render(painter);
    m_bufferValid = true;
    ++m_renderCount;
}

void SkinnedControl::paintEvent(QPaintEvent*)
{
    if (!m_skin.windowActivated() || width() <= 0 || height() <= 0) {
        return;
    }
    prepareBuffer();
    QPainter painter(this);
    if (!isEnabledTo(window())) {
        painter.setOpacity(DisabledOpacity);
    }
    RowBands::drawImage(painter, QPointF(0, 0), m_buffer);
}

void SkinnedControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    invalidate();
}

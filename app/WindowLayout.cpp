#include "WindowLayout.h"

#include "SkinnedControl.h"
#include "Twips.h"
#include "WindowGeometry.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRegion>
#include <QWidget>
#include <algorithm>

namespace {

constexpr double MinimumPointSize = 1.0;

} // namespace

void WindowLayout::StoreLayout(QWidget& window, const QList<QWidget*>& controls)
{
    m_designSize = QSizeF(window.size()) * TwipsPerPixel;
    m_design.clear();
    m_controls.clear();
    for (QWidget* control : controls) {
        m_design.insert(control, twipsGeometry(control));
        m_controls.append(control);
    }
}

QSizeF WindowLayout::scale(const QWidget& window) const
{
    if (m_designSize.isEmpty()) {
        return {1.0, 1.0};
    }
    return {window.width() * TwipsPerPixel / m_designSize.width(),
            window.height() * TwipsPerPixel / m_designSize.height()};
}

double WindowLayout::LabelScale(const QWidget& window) const
{
    return window.height() / double(WindowGeometry::DesignHeight);
}

void WindowLayout::storeCaptionFonts(const QList<QWidget*>& captions)
{
    m_captionPointSizes.clear();
    for (QWidget* caption : captions) {
        if (caption->font().pointSizeF() > 0) {
            m_captionPointSizes.append({caption, caption->font().pointSizeF()});
        }
    }
}

void WindowLayout::ApplyLayout(const QWidget& window) const
{
    const QSizeF s = scale(window);
    for (const QPointer<QWidget>& control : m_controls) {
        if (control) {
            setTwipsGeometry(control, scaled(m_design.value(control), s));
        }
    }
    const double labelScale = LabelScale(window);
    for (const auto& [caption, designPointSize] : m_captionPointSizes) {
        if (caption) {
            QFont font = caption->font();
            // A font needs a size; a window shrunk to nothing (minimised) gets the smallest.
            double pointSize = std::max(MinimumPointSize, designPointSize * labelScale);
            font.setPointSizeF(pointSize);
            // A desktop font taller than the design's would be cut off at the bottom: it
            // shrinks until its line fits the caption's height.
            for (double line = QFontMetricsF(font).height();
                 line > caption->height() && pointSize > MinimumPointSize;
                 line = QFontMetricsF(font).height()) {
                pointSize = std::max(MinimumPointSize, pointSize * caption->height() / line * 0.98);
                font.setPointSizeF(pointSize);
            }
            caption->setFont(font);
        }
    }
}

void WindowLayout::place(QWidget* control, const QRectF& designTwips) const
{
    setTwipsGeometry(control, scaled(designTwips, scale(*control->window())));
}

QRectF WindowLayout::scaled(const QRectF& design, QSizeF s)
{
    return {design.x() * s.width(), design.y() * s.height(), design.width() * s.width(),
            design.height() * s.height()};
}

void WindowLayout::SetRoundedRegion(QWidget& window, int cornerWidth, int cornerHeight)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(window.rect()), cornerWidth / 2.0, cornerHeight / 2.0);
    // One region at a time: the new mask replaces the old one.
    window.setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

QRectF WindowLayout::twipsGeometry(const QWidget* widget)
{
    if (const auto* skinned = qobject_cast<const SkinnedControl*>(widget)) {
        return skinned->twipsGeometry();
    }
    return QRectF(QPointF(widget->pos()) * TwipsPerPixel, QSizeF(widget->size()) * TwipsPerPixel);
}

void WindowLayout::setTwipsGeometry(QWidget* widget, const QRectF& twips)
{
    if (auto* skinned = qobject_cast<SkinnedControl*>(widget)) {
        skinned->setTwipsGeometry(twips);
    } else {
        widget->setGeometry(twipsToPixels(twips));
    }
}

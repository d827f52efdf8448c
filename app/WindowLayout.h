#pragma once

#include <QHash>
#include <QPointer>
#include <QRectF>
#include <QSizeF>

class QWidget;

// The window is designed at one size and shown at another: every control keeps its design place
// and size (in twips), and on each resize is moved and stretched by the ratio of the window's
// size to the design size, horizontally and vertically on their own. Every resize scales from the
// design, so rounding never accumulates.
class WindowLayout
{
public:
    // Records the design place of every widget given (in its parent's twips) and the window's
    // design size.
    void StoreLayout(QWidget& window, const QList<QWidget*>& controls);

    // Captions drawn by plain widgets rather than the skin: their design font sizes, so that
    // they scale with the window's height as the skin's own captions do.
    void storeCaptionFonts(const QList<QWidget*>& captions);

    // Moves every recorded control for the window's present size and scales the captions.
    void ApplyLayout(const QWidget& window) const;

    // Places a control (in its parent's twips) relative to the present window size.
    void place(QWidget* control, const QRectF& designTwips) const;

    // The window's scale: its size over the design size, in each direction.
    QSizeF scale(const QWidget& window) const;
    // The window's height in pixels over 900.
    double LabelScale(const QWidget& window) const;

    // The control's design place as recorded.
    QRectF designGeometry(const QWidget* control) const { return m_design.value(control); }

    // The window outline: a rectangle with 40 x 40 pixel corner ellipses, as a mask.
    static void SetRoundedRegion(QWidget& window, int cornerWidth, int cornerHeight);

    static QRectF twipsGeometry(const QWidget* widget);
    static void setTwipsGeometry(QWidget* widget, const QRectF& twips);

private:
    static QRectF scaled(const QRectF& design, QSizeF scale);

    QSizeF m_designSize; // twips
    QHash<const QWidget*, QRectF> m_design;
    QList<QPair<QPointer<QWidget>, qreal>> m_captionPointSizes;
    QList<QPointer<QWidget>> m_controls;
};

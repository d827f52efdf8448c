#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

class SkinImages;
class QMouseEvent;

// What the skinned controls share: they draw their whole picture into a cached image (at the
// screen's device pixel ratio) only when something it shows has changed, paint by copying it,
// and paint nothing until the window has first been activated. A control disabled as a widget
// on its own (one that cannot be used at all, unlike the window disabled for a while) is drawn
// faded. The window places them in twips, possibly fractional; the widget itself sits on whole
// pixels.
class SkinnedControl : public QWidget
{
    Q_OBJECT
    // The control's own Enabled, apart from QWidget's: a disabled control ignores the mouse and
    // may draw itself differently, while the window around it stays enabled.
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled)

public:
    explicit SkinnedControl(SkinImages& skin, QWidget* parent = nullptr);

    // Places the control in its parent's twips; the exact size stays the base of its scaling.
    void setTwipsGeometry(const QRectF& twips);
    // The size in twips: the one last given, while the widget still has the pixels it rounds to.
    QSizeF twipsSize() const;
    // The place in twips, on the same terms.
    QRectF twipsGeometry() const;

    bool controlEnabled() const { return m_enabled; }
    void setControlEnabled(bool enabled);

    // Redraws the picture and repaints at once.
    void Refresh();
    // Draws the picture into its buffer now, if it is out of date, rather than at the next paint.
    void prepareBuffer();

    // The cached picture and how often it was drawn, for checking that painting reuses it at
    // the screen's density.
    const QImage& cachedPicture() const { return m_buffer; }
    int renderCount() const { return m_renderCount; }

    // Mouse arguments as the owner's handlers take them: 1 left, 2 right, 4 middle; 1 shift,
    // 2 ctrl, 4 alt; positions in twips.
    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);
    static QPointF twipsPosition(const QMouseEvent* event);

protected:
    SkinImages& skin() const { return m_skin; }
    // Moves a picture's place to the nearest whole pixel, keeping its size: a picture drawn at a
    // fractional place would be smeared over two pixel rows by the smooth scaling.
    static QRectF snappedToPixels(const QRectF& target);
    // Marks the picture out of date and schedules a repaint.
    void invalidate();
    // Draws the whole picture, in logical pixels, onto a buffer the size of the control.
    virtual void render(QPainter& painter) = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SkinImages& m_skin;
    QImage m_buffer;
    bool m_bufferValid = false;
    QRectF m_twipsGeometry;
    int m_renderCount = 0;
    bool m_enabled = true;
};

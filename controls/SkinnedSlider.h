#pragma once

#include "SkinnedControl.h"

#include <QString>

class FormPropertyReader;

// The window's skinned slider, faders and band knobs alike (a knob is a horizontal slider on a
// knob picture; the descriptions call the class ScrollBar): a track picture and a thumb that
// moves along one axis between the pixel stops MinPos and MaxPos of the track, for positions 0 to
// MaxValue. The exposed Value can be reversed (ChangeMinMax, so the top of a vertical fader is
// its maximum) and run through the Q knob's mapping (isQ). Drags start only on the thumb; arrow
// keys and single wheel notches step the position, but only while the pointer is over the slider.
class SkinnedSlider : public SkinnedControl
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(QString TagNew READ tagNew WRITE setTagNew)
    Q_PROPERTY(bool isQ READ isQ WRITE setIsQ)
    Q_PROPERTY(bool ChangeMinMax READ changeMinMax WRITE setChangeMinMax)
    Q_PROPERTY(int DisplayType READ displayType WRITE setDisplayType)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int ValueOffset READ valueOffset WRITE setValueOffset)
    Q_PROPERTY(int MinPos READ minPos WRITE setMinPos)
    Q_PROPERTY(int MaxPos READ maxPos WRITE setMaxPos)
    Q_PROPERTY(int StableOtherPos READ stableOtherPos WRITE setStableOtherPos)
    Q_PROPERTY(int BackPic READ backPic WRITE setBackPic)
    Q_PROPERTY(int BarPic READ barPic WRITE setBarPic)

public:
    enum Orientation : int
    {
        Horizontal = 0,
        Vertical = 1
    };

    // Tracks with a lit overlay, and the overlay each one takes.
    static constexpr int LargeFaderTrack = 220;
    static constexpr int LargeFaderFill = 322;
    static constexpr int EffectTrack = 298;
    static constexpr int EffectFill = 323;
    static constexpr int FirstKnobTrack = 245; // frequency, gain and Q knobs: 245, 246, 247
    static constexpr int LastKnobTrack = 247;
    static constexpr int KnobFill = 324;
    // The centred horizontal sliders show a second thumb picture at their centre.
    static constexpr int CentredThumb = 241;
    static constexpr int CentredThumbAtCentre = 242;
    static constexpr int CentredThumbCentre = 80;

    explicit SkinnedSlider(SkinImages& skin, QWidget* parent = nullptr);

    int value() const;
    // Sets the position without raising Scroll; above MaxValue means MaxValue.
    void setValue(int value);
    QString tagNew() const { return m_tagNew; }
    void setTagNew(const QString& tag) { m_tagNew = tag; }
    bool isQ() const { return m_isQ; }
    void setIsQ(bool on);
    bool changeMinMax() const { return m_changeMinMax; }
    void setChangeMinMax(bool on);
    int displayType() const { return m_displayType; }
    void setDisplayType(int type);
    int maxValue() const { return m_maxValue; }
    // Recentres the position. Values below 1 are ignored: the position divides by it.
    void setMaxValue(int maxValue);
    int valueOffset() const { return m_valueOffset; }
    void setValueOffset(int offset);
    int minPos() const { return m_minPos; }
    void setMinPos(int pixels);
    int maxPos() const { return m_maxPos; }
    void setMaxPos(int pixels);
    int stableOtherPos() const { return m_stableOtherPos; }
    void setStableOtherPos(int pixels);
    int backPic() const { return m_backPic; }
    // Also makes the slider the natural size of the track, the base of its scaling.
    void setBackPic(int id);
    int barPic() const { return m_barPic; }
    void setBarPic(int id);

    int position() const { return m_position; }
    bool isDragging() const { return m_dragging; }
    bool isMouseInside() const { return m_mouseInside; }
    int designWidth() const { return m_designWidth; }
    // Thumb centre in the track's natural pixels.
    double thumbCentre() const;

    void readProperties(FormPropertyReader& properties);

signals:
    void DragStart();
    void Scroll();

protected:
    void render(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Step
    {
        Increase,
        Decrease,
        None
    };

    double scale() const;
    QRectF thumbRect() const;
    void drawFill(QPainter& painter, double c, double s) const;
    // Applies one key step or wheel notch; returns whether the event was used.
    bool step(Step step);
    void setMouseInside(bool inside);

    QString m_tagNew;
    bool m_isQ = false;
    bool m_changeMinMax = false;
    int m_displayType = Horizontal;
    int m_maxValue = 86;
    int m_valueOffset = 0;
    int m_minPos = 56;
    int m_maxPos = 256;
    int m_stableOtherPos = 7;
    int m_backPic = 245;
    int m_barPic = 175;

    int m_position = 0;
    int m_designWidth = 0; // twips
    bool m_dragging = false;
    int m_lastEventValue = 0;
    bool m_mouseInside = false;
};

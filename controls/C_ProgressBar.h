#pragma once

#include "SkinnedControl.h"

#include <QString>

// The bar shown while the parameters are synchronised: a yellow frame, a red-to-blue gradient
// revealed from the left as Value grows towards MaxValue, the rest light grey, and a fixed wait
// message. Drawn with lines and text, not skin pictures; never lower than 25 pixels.
class C_ProgressBar : public SkinnedControl
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)

public:
    static constexpr int MinimumHeight = 25;
    static constexpr QRgb FrameColour = 0xFFFFFF00;
    static constexpr QRgb Background = 0xFFF0F0F0;
    static QString message();

    explicit C_ProgressBar(SkinImages& skin, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Above MaxValue means MaxValue.
    void setValue(int value);
    int maxValue() const { return m_maxValue; }
    // The current Value is kept even when above the new maximum.
    void setMaxValue(int maxValue);

protected:
    void render(QPainter& painter) override;

private:
    qint16 m_value = 0;
    qint16 m_maxValue = 100;
};

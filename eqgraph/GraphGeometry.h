#pragma once

#include <QtGlobal>

// Where frequencies and gains fall on the equaliser graph at a given scale. The graph is designed
// at 1547 x 382 pixels; its frequency axis is logarithmic from 10 Hz (60 pixels left of the
// picture) to 22 kHz, its gain axis linear from +16 dB at Top to -16 dB at Bottom. Every value is
// in the graph's logical pixels; whole-pixel values round halves to even.
class GraphGeometry
{
public:
    static constexpr int DesignWidth = 1547;
    static constexpr int DesignHeight = 382;
    static constexpr int DbRange = 16;            // dB above and below the centre line
    static constexpr double TopFrequency = 22000; // Hz, the right end of the frequency axis

    // Scale 1 is the design size.
    explicit GraphGeometry(float scale = 1.0f);

    float GraphScale() const { return m_scale; }
    // The picture size at this scale (W and H).
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    int X0() const { return m_x0; } // plot left
    int X2() const { return m_x2; } // plot right, beyond the picture's right edge
    int X1() const { return m_x1; } // how far 10 Hz lies left of X0
    int Top() const { return m_top; }
    int Bottom() const { return m_bottom; }
    int Centre() const { return m_centre; }
    float PixelsPerDecade() const { return m_pixelsPerDecade; }
    // One response point per pixel column from X0 to X2.
    int PointCount() const { return m_x2 - m_x0; }

    float FreqToX(double hz) const;
    float XToFreq(double x) const;
    // Gains beyond +-DbRange stop at Top and Bottom, and points above Top or below Bottom read
    // as +-DbRange.
    float DbToY(double db) const;
    float YToDb(double y) const;

    // The decimal logarithm as the graph has always computed it.
    static double log10(double value);

private:
    float m_scale;
    int m_width;
    int m_height;
    int m_x0;
    int m_x2;
    int m_x1;
    int m_top;
    int m_bottom;
    int m_centre;
    float m_pixelsPerDecade;
};

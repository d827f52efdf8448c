#pragma once

#include "PicturePainter.h"

class QRectF;

// Slider tracks, their lit overlays and the thumbs. A track's slot runs exactly between the thumb
// stops the sliders are configured with, so the thumb centre never leaves the slot.
class FaderPainter : public PicturePainter
{
public:
    bool paint(int id, QPainter& p, const QSize& size) const override;

private:
    enum class Scale
    {
        Even,      // ticks evenly spaced, the ends marked longer
        Tone,      // eleven marks, the neutral middle one in the accent
        Balance,   // centre mark, L and R at the ends
        Frequency, // logarithmic marks of the frequency knob
        Gain,      // 0 dB in the middle, 5 dB steps
        QFactor,   // marks at Q 1, 2 and 3
    };

    struct Track
    {
        int id;
        int litId; // overlay drawn over this track, 0 if none
        bool vertical;
        int from; // thumb stops along the axis, natural pixels
        int to;
        double cross;  // slot centre across the axis (the thumb's centre there)
        int slotWidth; // odd for a .5 centre, even for a whole-pixel centre, to stay crisp
        Scale scale;
        int tickCount;
        const char* caption; // left of the slot (knob tracks)
    };

    static const Track* findTrack(int id);
    void paintTrack(const Track& track, QPainter& p, const QSize& size) const;
    void paintLit(const Track& track, QPainter& p) const;
    void paintTicks(const Track& track, QPainter& p, const QSize& size) const;
    static void paintCap(QPainter& p, const QSize& size, bool grooved);
    static void paintToneKnob(QPainter& p, const QSize& size);
    static void paintBalanceThumb(QPainter& p, const QSize& size, bool centred);
};

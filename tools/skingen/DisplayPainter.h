#pragma once

#include "PicturePainter.h"

class QRect;

// Digits and read-outs: the two LED digit sets, the read-out background, the selector displays
// (input, mode, start mode, FBX) and the connection indicator.
class DisplayPainter : public PicturePainter
{
public:
    bool paint(int id, QPainter& p, const QSize& size) const override;

private:
    // A selector display: caption and one large segment digit on dark glass.
    static void paintSelector(QPainter& p, const QSize& size, const char* caption, int number);
    static void paintConnection(QPainter& p, const QSize& size, int state);
    static void paintLargeGlyph(QPainter& p, const QSize& size, int id);
    static void paintSmallDigit(QPainter& p, const QSize& size, int digit);
    static void paintGlass(QPainter& p, const QRect& area);
};

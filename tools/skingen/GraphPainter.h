#pragma once

#include "PicturePainter.h"

// The EQ graph's background and its bypass banner. The program draws the grid, labels and curves
// over the background, so it stays dark and quiet and only hints at the plot area.
class GraphPainter : public PicturePainter
{
public:
    bool paint(int id, QPainter& p, const QSize& size) const override;

private:
    static void paintBackground(QPainter& p, const QSize& size);
    static void paintBypassBanner(QPainter& p, const QSize& size);
    // Where the program puts frequency f on the background at its natural size.
    static double frequencyToX(double hertz);
};

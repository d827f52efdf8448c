#pragma once

#include <QList>

// The colours (0xRRGGBB) of the columns of the progress bar's interior for a bar width in pixels:
// the gradient from red to blue spans the whole bar and is revealed from the left, the rest is
// light grey. Empty when nothing but the frame is to be drawn (the value is above the maximum, or
// the maximum is not positive, which would leave nothing to divide by).
QList<quint32> progressBarColumns(int width, int value, int maxValue);

#include "DigitGlyphs.h"

#include <algorithm>

QList<int> digitGlyphs(qint32 value, bool div10, int zeroId, int pointId)
{
    const int minusId = pointId + 1;
    // 64 bits: the magnitude of the most negative 32-bit value does not fit in 32.
    qint64 magnitude = value < 0 ? -qint64(value) : qint64(value);
    QList<int> digits;
    do {
        digits.append(int(magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    std::reverse(digits.begin(), digits.end());

    QList<int> glyphs;
    if (value < 0) {
        glyphs.append(minusId);
    }
    for (int d : digits) {
        glyphs.append(zeroId + d);
    }
    if (!div10 || value == 0) {
        return glyphs;
    }
    if (digits.last() == 0) {
        glyphs.removeLast();
        return glyphs;
    }
    glyphs.insert(glyphs.size() - 1, pointId);
    if (glyphs.first() == pointId) {
        glyphs.prepend(zeroId);
    } else if (glyphs.first() == minusId && glyphs.at(1) == pointId) {
        glyphs.insert(1, zeroId);
    }
    return glyphs;
}

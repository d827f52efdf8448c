#pragma once

#include <QList>

// The pictures a digit display shows for a number, left to right: the minus sign (pointId + 1),
// the digits (zeroId + d) and, with div10, the decimal point (pointId) before the last digit.
// With div10 a number ending in 0 is shown whole (30 shows 3); one digit gets a leading 0 (5
// shows 0.5). Every 32-bit value is shown, the most negative one included.
QList<int> digitGlyphs(qint32 value, bool div10, int zeroId, int pointId);

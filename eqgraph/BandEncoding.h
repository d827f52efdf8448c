#pragma once

#include <QtGlobal>

enum class BandKind : int;

// How an EQ band's three stored bytes encode frequency, gain and Q. Pure conversions; the
// processor defines the steps: the frequency index runs 2 Hz, 10 Hz, 100 Hz and 500 Hz apart in
// four ranges, the gain byte 0.2 dB apart with 75 at 0 dB, the Q byte 0.1 apart up to 3.0 and in
// whole steps of four bytes above.
namespace BandEncoding {

// Hz for a frequency index 0..255 (241 is 20000 Hz).
int FreqFromIndex(quint8 index);
// The nearest index for a frequency in Hz, halves to even, clamped to 0..255.
quint8 FreqToIndex(double hz);

// dB for a gain byte: (150 - 2 byte) / 10, so 0 is +15 dB and 150 is -15 dB.
double GainFromByte(quint8 byte);
// The nearest byte, halves to the even one; GainCountToByte takes the gain exactly as a
// DecimalCount, so that a typed +0.3 dB, halfway between two bytes, is decided on its digits.
quint8 GainToByte(double db);
quint8 GainCountToByte(qint64 count);

// Q for a Q byte; a byte of 0 counts as 1 (Q 0.1).
double QFromByte(quint8 byte);
// The nearest byte in tenths up to Q 3, halves to the even one; between 3 and 4 the byte of the
// nearer of the two (3.5 gives 3); from 4 on the nearest byte of the whole steps. QCountToByte
// takes Q exactly as a DecimalCount.
quint8 QToByte(double q);
quint8 QCountToByte(qint64 count);

// The frequency index a group's low or high cut may take; groups without that cut keep any index.
quint8 ClampLowCutIndex(quint8 index, int group);
quint8 ClampHighCutIndex(quint8 index, int group);

// Where a typed frequency lands: truncated to whole Hz, then down onto the frequency steps (2, 10,
// 100, 500 Hz) between 18 Hz and 20 kHz and, for a cut, into the group's range.
float SnapFreq(double hz, BandKind kind, int group);
// Where a dragged frequency lands: the index of the nearest step between 18 Hz and 20 kHz, for a
// cut within the group's range.
quint8 NearestFreqIndex(double hz, BandKind kind, int group);

// A real number converted to a byte: nearest, halves to even, clamped to 0..255.
quint8 toByte(double value);

} // namespace BandEncoding

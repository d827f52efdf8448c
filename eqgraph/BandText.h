#pragma once

#include <QString>

struct EqBand;

// How a band reads as text, on the graph's readout and in its marker's tooltip.
namespace BandText {

// "EQ 4" for peaking record 3; the cuts by name.
QString name(const EqBand& band, int record);
QString frequency(const EqBand& band); // "1000Hz"
QString gain(const EqBand& band);      // "-3.0dB"
QString decibels(double db);           // the same for any value
QString q(const EqBand& band);         // "1.4 Q"
// The whole band on one line: name, frequency, and for a peaking band gain and Q.
QString summary(const EqBand& band, int record);

} // namespace BandText

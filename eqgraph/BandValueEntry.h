#pragma once

#include <QString>
#include <QStringView>

enum class BandKind : int;

// A band value typed over its read-out: what the entry box opens with, and what a committed text
// stores. The value is held to its field's limits and then goes through the field's byte
// encoding, so it lands on the frequency steps (and, for a cut, into its range), on the nearest
// 0.2 dB, or on the nearest Q step. A value halfway between two steps is decided on the digits
// typed (0.3 dB goes to the even byte, +0.2 dB), never on binary rounding.
namespace BandValueEntry {

// A band read-out's field: 0 frequency in Hz, 1 gain in dB, 2 Q (the stored field's number).
enum Field : int
{
    Frequency = 0,
    Gain = 1,
    Q = 2
};

// The box's text for a read-out showing value: Hz as a whole number, dB and Q (shown in tenths)
// with one decimal place.
QString openingText(int field, int value);

struct Result
{
    enum class Outcome
    {
        Empty,     // nothing typed: nothing happens
        NotNumber, // "Only numbers are allowed here.", blanks alone included
        Stored
    };
    Outcome outcome = Outcome::Empty;
    quint8 byte = 0;
    // The limit that replaced a value beyond it, as the box then shows it; empty when the value
    // was within the limits.
    QString limitText;
};

// What the typed text stores in the field of a band of this kind in this group.
Result commit(QStringView text, int field, BandKind kind, int group);

} // namespace BandValueEntry

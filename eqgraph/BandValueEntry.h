#pragma once

#include "ParamField.h"

#include <QString>
#include <QStringView>

enum class BandKind : int;

// A band value typed over its read-out: what the entry box opens with, and what a committed text
// stores. The value is held to its field's limits and then goes through the field's byte
// encoding, so it lands on the frequency steps (and, for a cut, into its range), on the nearest
// 0.2 dB, or on the nearest Q step. A value halfway between two steps is decided on the digits
// typed (0.3 dB goes to the even byte, +0.2 dB), never on binary rounding.
namespace BandValueEntry {

// The box's text for a read-out of a band's field showing value: the frequency in Hz as a whole
// number, dB and Q (shown in tenths) with one decimal place.
QString openingText(ParamField field, int value);

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
Result commit(QStringView text, ParamField field, BandKind kind, int group);

} // namespace BandValueEntry

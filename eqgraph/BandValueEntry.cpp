#include "BandValueEntry.h"

#include "BandEncoding.h"
#include "BandTable.h"
#include "DecimalNumber.h"

namespace BandValueEntry {

namespace {

struct Limits
{
    float low, high;
};

// Per field: 18 Hz to 20 kHz, -15 to +15 dB, Q 0.1 to 15.
constexpr Limits FieldLimits[] = {{18, 20000}, {-15, 15}, {0.1f, 15}};
constexpr int TenthsPerUnit = 10;

QString limitText(float limit)
{
    return QString::number(limit, 'g', 6);
}

} // namespace

QString openingText(int field, int value)
{
    if (field == Frequency) {
        return QString::number(value);
    }
    return QString::number(value / double(TenthsPerUnit), 'f', 1);
}

Result commit(QStringView text, int field, BandKind kind, int group)
{
    Result result;
    if (text.trimmed().isEmpty()) {
        return result;
    }
    const auto typed = parseDecimal(text);
    if (!typed) {
        result.outcome = Result::Outcome::NotNumber;
        return result;
    }
    field = qBound(0, field, 2);
    const Limits limits = FieldLimits[field];
    // The value counts in single precision, as the box's text is read back.
    float value = float(*typed);
    if (*typed < limits.low || *typed > limits.high) {
        value = *typed < limits.low ? limits.low : limits.high;
        result.limitText = limitText(value);
    }
    result.outcome = Result::Outcome::Stored;
    switch (field) {
    case Frequency:
        result.byte = BandEncoding::FreqToIndex(BandEncoding::SnapFreq(value, kind, group));
        break;
    case Gain:
        result.byte = BandEncoding::GainToByte(value);
        break;
    default:
        result.byte = BandEncoding::QToByte(value);
        break;
    }
    return result;
}

} // namespace BandValueEntry

#include "BandValueEntry.h"

#include "BandEncoding.h"
#include "BandTable.h"
#include "DecimalNumber.h"
#include "ParamStore.h"

#include <array>

namespace BandValueEntry {

namespace {

// Per field, as the box shows a limit that replaced a value beyond it: 18 Hz to 20 kHz, -15 to
// +15 dB, Q 0.1 to 15.
struct Limits
{
    QStringView low, high;
};
constexpr std::array<Limits, ParamStore::FieldCount> FieldLimits{
    {{u"18", u"20000"}, {u"-15", u"15"}, {u"0.1", u"15"}}};
constexpr int TenthsPerUnit = 10;

} // namespace

QString openingText(ParamField field, int value)
{
    if (field == ParamField::Value) {
        return QString::number(value);
    }
    return QString::number(value / double(TenthsPerUnit), 'f', 1);
}

Result commit(QStringView text, ParamField field, BandKind kind, int group)
{
    Result result;
    if (text.isEmpty()) {
        return result;
    }
    auto count = DecimalCount::parse(text);
    if (!count) {
        result.outcome = Result::Outcome::NotNumber;
        return result;
    }
    const Limits limits = FieldLimits[fieldIndex(field)];
    const qint64 low = *DecimalCount::parse(limits.low);
    const qint64 high = *DecimalCount::parse(limits.high);
    if (*count < low || *count > high) {
        result.limitText = (*count < low ? limits.low : limits.high).toString();
        count = *count < low ? low : high;
    }
    result.outcome = Result::Outcome::Stored;
    switch (field) {
    case ParamField::Value: {
        // Whole Hz first, as the steps cut a typed frequency down.
        const auto wholeHz = *count / DecimalCount::Unit;
        result.byte =
            BandEncoding::FreqToIndex(BandEncoding::SnapFreq(double(wholeHz), kind, group));
        break;
    }
    case ParamField::Gain:
        result.byte = BandEncoding::GainCountToByte(*count);
        break;
    case ParamField::Q:
        result.byte = BandEncoding::QCountToByte(*count);
        break;
    }
    return result;
}

} // namespace BandValueEntry

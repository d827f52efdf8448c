#include "DecimalNumber.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// The text split as written: its sign and the digits before and after the point; empty when it
// is no number.
struct DecimalText
{
    bool negative = false;
    QStringView whole;
    QStringView fraction;
};

std::optional<DecimalText> split(QStringView text)
{
    text = text.trimmed();
    DecimalText parts;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        parts.negative = text.front() == u'-';
        text = text.mid(1);
    }
    const qsizetype point = text.indexOf(u'.');
    parts.whole = point < 0 ? text : text.left(point);
    parts.fraction = point < 0 ? QStringView() : text.mid(point + 1);
    const auto allDigits = [](QStringView digits) {
        return std::all_of(digits.begin(), digits.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (parts.whole.size() + parts.fraction.size() == 0 || !allDigits(parts.whole) ||
        !allDigits(parts.fraction)) {
        return std::nullopt;
    }
    return parts;
}

} // namespace

std::optional<double> parseDecimal(QStringView text)
{
    const auto parts = split(text);
    if (!parts) {
        return std::nullopt;
    }
    // from_chars reads the C notation, never the desktop's.
    const QByteArray latin =
        parts->whole.toLatin1() + '.' +
        (parts->fraction.isEmpty() ? QByteArray("0") : parts->fraction.toLatin1());
    double value = 0;
    const auto [end, error] = std::from_chars(latin.constData(), latin.constData() + latin.size(),
                                              value, std::chars_format::fixed);
    if (error != std::errc() || end != latin.constData() + latin.size()) {
        return std::nullopt;
    }
    return parts->negative ? -value : value;
}

namespace DecimalCount {

std::optional<qint64> parse(QStringView text)
{
    const auto parts = split(text);
    if (!parts) {
        return std::nullopt;
    }
    constexpr int Places = 6; // the digits of Unit
    qint64 count = 0;
    const auto addDigit = [&count](QChar digit) {
        count = std::min(count * 10 + (digit.unicode() - u'0'), Limit);
    };
    for (QChar digit : parts->whole) {
        addDigit(digit);
    }
    for (int place = 0; place < Places; ++place) {
        addDigit(place < parts->fraction.size() ? parts->fraction[place] : QChar(u'0'));
    }
    const QStringView beyond =
        parts->fraction.mid(std::min<qsizetype>(Places, parts->fraction.size()));
    if (std::any_of(beyond.begin(), beyond.end(), [](QChar c) { return c != u'0'; })) {
        count |= 1;
    }
    return parts->negative ? -count : count;
}

qint64 fromDouble(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    const double limit = double(Limit);
    return qint64(std::nearbyint(std::clamp(value * double(Unit), -limit, limit)));
}

qint64 divideRoundHalfEven(qint64 count, qint64 divisor)
{
    qint64 quotient = count / divisor;
    qint64 remainder = count % divisor;
    if (remainder < 0) { // floor division
        remainder += divisor;
        --quotient;
    }
    if (2 * remainder > divisor || (2 * remainder == divisor && quotient % 2 != 0)) {
        ++quotient;
    }
    return quotient;
}

} // namespace DecimalCount

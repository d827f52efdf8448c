#pragma once

#include <QStringView>
#include <QtGlobal>
#include <optional>

// Reads a number typed by a person or given on the command line in ordinary decimal notation:
// an optional sign, digits with an optional decimal point ("12", "-2.5", "+.5", "3."), blanks
// around it allowed. The point is always ".", whatever the desktop's language, so the same text
// means the same number everywhere; exponents, group separators and hex are not numbers here.
std::optional<double> parseDecimal(QStringView text);

// A decimal held exactly as a whole count of millionths, so that a value halfway between two
// steps is decided on the digits written, not on their nearest binary fraction.
namespace DecimalCount {

constexpr qint64 Unit = 1'000'000; // counts per whole number
// Counts are held within +-Limit, far outside any value a control takes.
constexpr qint64 Limit = 1'000'000'000'000'000;

// The text (as parseDecimal reads it) as a count. Exact up to six decimal places; when digits
// beyond the sixth are not all zero the count is made odd, which keeps it on the same side of
// every multiple of two millionths as the value typed, so rounding it to any such step decides
// as rounding the value itself would.
std::optional<qint64> parse(QStringView text);
// A real number as a count, nearest.
qint64 fromDouble(double value);
// count / divisor to the nearest whole number, halves to the even one; divisor above 0.
qint64 divideRoundHalfEven(qint64 count, qint64 divisor);

} // namespace DecimalCount

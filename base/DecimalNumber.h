#pragma once

#include <QStringView>
#include <optional>

// Reads a number typed by a person or given on the command line in ordinary decimal notation:
// an optional sign, digits with an optional decimal point ("12", "-2.5", "+.5", "3."), blanks
// around it allowed. The point is always ".", whatever the desktop's language, so the same text
// means the same number everywhere; exponents, group separators and hex are not numbers here.
std::optional<double> parseDecimal(QStringView text);

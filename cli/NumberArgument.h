#pragma once

#include <QString>
#include <optional>

// A whole number from 0 to max given on the command line (decimal, 0x or &H hex), or nothing
// with the usage message in error: "MODE must be a number from 0 to 7: 9".
namespace NumberArgument {

std::optional<int> parse(const QString& text, int max, const char* what, QString& error);

} // namespace NumberArgument

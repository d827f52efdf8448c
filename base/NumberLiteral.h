#pragma once

#include <QStringView>
#include <optional>

// Reads the number literals that appear in the window design, the constant tables, preset files
// and on the command line: decimal ("80", " -5"), "&H" hex ("&HC5", "&h0b") and "0x" hex
// ("0x33"). Blanks around the literal are allowed; anything else makes the text invalid.
std::optional<qint64> parseNumberLiteral(QStringView text);

#include "NumberArgument.h"

#include "NumberLiteral.h"

#include <QCoreApplication>

namespace NumberArgument {

std::optional<int> parse(const QString& text, int max, const char* what, QString& error)
{
    const auto value = parseNumberLiteral(text);
    if (!value || *value < 0 || *value > max) {
        error =
            QCoreApplication::translate("NumberArgument", "%1 must be a number from 0 to %2: %3")
                .arg(QLatin1String(what))
                .arg(max)
                .arg(text);
        return std::nullopt;
    }
    return int(*value);
}

} // namespace NumberArgument

#include "NumberList.h"

#include "NumberLiteral.h"

#include <limits>

std::optional<QList<int>> parseNumberList(QStringView text)
{
    QList<int> numbers;
    if (text.trimmed().isEmpty()) {
        return numbers;
    }
    for (QStringView entry : text.split(u',')) {
        const std::optional<qint64> value = parseNumberLiteral(entry);
        if (!value || *value < std::numeric_limits<int>::min() ||
            *value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
        numbers.append(int(*value));
    }
    return numbers;
}

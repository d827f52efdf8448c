#include "TagNew.h"

#include "NumberLiteral.h"

#include <QList>

namespace TagNew {

namespace {

std::optional<int> byteLiteral(QStringView text)
{
    const auto value = parseNumberLiteral(text);
    if (!value || *value < 0 || *value > 255) {
        return std::nullopt;
    }
    return int(*value);
}

Scope scopeOf(QStringView word)
{
    return word.trimmed() == u"Group" ? Scope::Group : Scope::Common;
}

} // namespace

std::optional<SliderBinding> parseSlider(QStringView text)
{
    const auto parts = text.split(u',');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const auto address = byteLiteral(parts[1]);
    if (!address) {
        return std::nullopt;
    }
    return SliderBinding{scopeOf(parts[0]), *address};
}

std::optional<DisplayBinding> parseDisplay(QStringView text)
{
    const auto parts = text.split(u',');
    if (parts.size() != 3) {
        return std::nullopt;
    }
    const QStringView scope = parts[0].trimmed();
    const QStringView field = parts[2].trimmed();
    const auto address = byteLiteral(parts[1]);
    if (!address || (scope != u"Group" && scope != u"Common")) {
        return std::nullopt;
    }
    DisplayField shown;
    if (field == u"Value") {
        shown = DisplayField::Value;
    } else if (field == u"EchoDly") {
        shown = DisplayField::EchoDly;
    } else if (field == u"RevTime") {
        shown = DisplayField::RevTime;
    } else {
        return std::nullopt;
    }
    return DisplayBinding{scopeOf(scope), *address, shown};
}

std::optional<int> parseAddress(QStringView text)
{
    return byteLiteral(text);
}

} // namespace TagNew

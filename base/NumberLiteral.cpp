#include "NumberLiteral.h"

namespace {

int digitValue(QChar c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9') {
        v = c.unicode() - u'0';
    } else if (c >= u'a' && c <= u'f') {
        v = c.unicode() - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        v = c.unicode() - u'A' + 10;
    }
    return v < base ? v : -1;
}

} // namespace

std::optional<qint64> parseNumberLiteral(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    int base = 10;
    if (text.startsWith(u"&H", Qt::CaseInsensitive) ||
        text.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        text = text.mid(2);
    } else if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // Nine hex or eighteen decimal digits keep the sum far inside qint64.
    constexpr qint64 limit = qint64(1) << 40;
    qint64 value = 0;
    for (QChar c : text) {
        const int d = digitValue(c, base);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * base + d;
        if (value > limit) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

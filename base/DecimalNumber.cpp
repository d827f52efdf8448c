#include "DecimalNumber.h"

#include <QByteArray>
#include <charconv>

std::optional<double> parseDecimal(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    int digits = 0;
    bool point = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            ++digits;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    // from_chars reads the C notation, never the desktop's.
    const QByteArray latin = text.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(latin.constData(), latin.constData() + latin.size(),
                                              value, std::chars_format::fixed);
    if (error != std::errc() || end != latin.constData() + latin.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

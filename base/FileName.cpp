#include "FileName.h"

namespace {

constexpr char16_t EscapedByteBase = 0xDC00;

bool isContinuation(uchar c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of bytes, or 0.
qsizetype sequenceLength(QByteArrayView bytes)
{
    const uchar lead = uchar(bytes[0]);
    if (lead < 0x80) {
        return 1;
    }
    qsizetype length = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if (!isContinuation(uchar(bytes[i]))) {
            return 0;
        }
        code = (code << 6) | (uchar(bytes[i]) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

bool isEscapedByte(char16_t c)
{
    return c >= EscapedByteBase + 0x80 && c <= EscapedByteBase + 0xFF;
}

} // namespace

QString FileName::fromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        const qsizetype length = sequenceLength(bytes);
        if (length == 0) {
            name.append(QChar(char16_t(EscapedByteBase + uchar(bytes[0]))));
            bytes = bytes.sliced(1);
            continue;
        }
        name.append(QString::fromUtf8(bytes.first(length)));
        bytes = bytes.sliced(length);
    }
    return name;
}

QByteArray FileName::toBytes(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype textStart = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isEscapedByte(name[i].unicode())) {
            continue;
        }
        bytes.append(name.sliced(textStart, i - textStart).toUtf8());
        if (i < name.size()) {
            bytes.append(char(name[i].unicode() - EscapedByteBase));
        }
        textStart = i + 1;
    }
    return bytes;
}

QStringList FileName::arguments(int argc, const char* const* argv)
{
    QStringList words;
    for (int i = 0; i < argc; ++i) {
        words.append(fromBytes(argv[i]));
    }
    return words;
}

QString FileName::shown(QStringView name)
{
    QString text;
    text.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (isEscapedByte(u)) {
            text += QStringLiteral("\\x%1").arg(u - EscapedByteBase, 2, 16, QLatin1Char('0'));
        } else if (u < 0x20 || u == 0x7F) {
            text += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        } else if (u >= 0x80 && u <= 0x9F) {
            // C1 controls: a terminal may take U+009B for the start of a command.
            text += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        } else {
            text += c;
        }
    }
    return text;
}

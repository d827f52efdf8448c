#include "Frames.h"

namespace Frames {

namespace {

// A block frame's length byte counts the whole frame.
constexpr int LongestBlockPayload = 255 - 5;

QByteArray withChecksum(QByteArray frame)
{
    frame.append(char(checksum(frame)));
    return frame;
}

bool fits(Type type, QByteArrayView payload)
{
    if (type == Type::PasswordWrite) {
        return payload.size() == PasswordLength;
    }
    if (isBlockType(type)) {
        return !payload.isEmpty() && payload.size() % BytesPerAddress == 0 &&
               payload.size() <= LongestBlockPayload;
    }
    return payload.size() == BytesPerAddress;
}

} // namespace

quint8 checksum(QByteArrayView bytes)
{
    quint8 sum = 0;
    for (char b : bytes) {
        sum = quint8(sum + quint8(b));
    }
    return sum >= NotificationByte ? 0 : sum;
}

QByteArray acknowledgement()
{
    return withChecksum(QByteArray::fromRawData("\xFE\x23\x23", 3));
}

bool isBlockType(Type type)
{
    return type == Type::BlockWrite || type == Type::MenuShowWrite;
}

bool isBlockReadType(Type type)
{
    return type == Type::BlockRead || type == Type::MenuShowRead;
}

bool isWriteType(Type type)
{
    return type == Type::ParamWrite || isBlockType(type) || type == Type::PasswordWrite;
}

std::optional<QByteArray> build(Type type, int mode, ParamAddress address, QByteArrayView payload)
{
    if (quint8(type) > 15 || mode < 0 || mode > 7 || !fits(type, payload)) {
        return std::nullopt;
    }
    const bool password = type == Type::PasswordWrite;
    const bool longFrame = password || isBlockType(type);
    QByteArray frame;
    frame.reserve(payload.size() + (longFrame ? 5 : 4));
    frame.append(char(StartByte));
    frame.append(char(quint8(type) * 16 + (password ? 0 : mode)));
    frame.append(char(password ? 0 : address.value()));
    if (longFrame) {
        frame.append(char(payload.size() + 5));
    }
    frame.append(payload);
    return withChecksum(frame);
}

int replyLength(Type type, int blockSize)
{
    if (isBlockReadType(type)) {
        return BytesPerAddress * blockSize + 1;
    }
    if (type == Type::PasswordRead) {
        return 10;
    }
    return 4;
}

QString hexText(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(',').toUpper());
}

} // namespace Frames

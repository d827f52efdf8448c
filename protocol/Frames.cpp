#include "Frames.h"

#include "ParamBlocks.h"
#include "ParamModel.h"

namespace Frames {

namespace {

constexpr quint8 Filler = 0x23; // fills unused bytes of handshake and menu-show frames

bool isBlockReadType(int type)
{
    return type == BlockRead || type == MenuShowRead;
}

QByteArray withChecksum(QByteArray frame)
{
    frame.append(char(checksum(frame)));
    return frame;
}

QByteArray buildSingle(int type, int mode, int address, int value, const ParamModel& model)
{
    QByteArray frame;
    frame.reserve(SingleFrameLength);
    frame.append(char(StartByte));
    frame.append(char(type * 16 + mode));
    frame.append(char(address));
    if (value == StoredBytes) {
        for (quint8 field : model.store().fields(mode, address)) {
            frame.append(char(field));
        }
    } else {
        frame.append(char(value));
        frame.append('\0');
        frame.append(char(type == Handshake ? Filler : 0));
    }
    return withChecksum(frame);
}

QByteArray buildBlock(int type, int mode, const ParamBlock& block, const ParamModel& model)
{
    QByteArray frame;
    frame.reserve(3 * block.size + 5);
    frame.append(char(StartByte));
    frame.append(char(type * 16 + mode));
    frame.append(char(block.base));
    frame.append(char(3 * block.size + 5));
    for (int address = block.base; address < block.base + block.size; ++address) {
        if (type == BlockWrite) {
            for (quint8 field : model.store().fields(mode, address)) {
                frame.append(char(field));
            }
        } else {
            frame.append(char(model.menuShow()[address]));
            frame.append(char(Filler));
            frame.append(char(Filler));
        }
    }
    return withChecksum(frame);
}

QByteArray buildPassword(const ParamModel& model)
{
    QByteArray frame;
    frame.reserve(PasswordFrameLength);
    frame.append(char(StartByte));
    frame.append(char(PasswordWrite * 16));
    frame.append('\0');
    frame.append(char(PasswordFrameLength));
    for (quint8 c : model.password()) {
        frame.append(char(c));
    }
    return withChecksum(frame);
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

bool isBlockType(int type)
{
    return type == BlockWrite || type == MenuShowWrite;
}

bool isWriteType(int type)
{
    return type == ParamWrite || isBlockType(type) || type == PasswordWrite;
}

std::optional<QByteArray> build(int type, int mode, int address, int value, const ParamModel& model)
{
    if (type < 0 || type > 15 || mode < 0 || mode > 7 || address < 0 || address > 255 ||
        value < 0 || value > 255) {
        return std::nullopt;
    }
    if (type == PasswordWrite) {
        return buildPassword(model);
    }
    const auto block = blockAtBase(address);
    if (isBlockType(type)) {
        if (!block) {
            return std::nullopt;
        }
        return buildBlock(type, mode, *block, model);
    }
    return buildSingle(type, mode, address, value, model);
}

std::optional<int> replyLength(int type, int address)
{
    if (isBlockReadType(type)) {
        const auto block = blockAtBase(address);
        if (!block) {
            return std::nullopt;
        }
        return 3 * block->size + 1;
    }
    if (type == PasswordRead) {
        return 10;
    }
    return 4;
}

QString hexText(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(',').toUpper());
}

} // namespace Frames

#pragma once

#include "ParamAddress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The processor's frame format: wrapping the bytes a frame carries into a frame, the checksum
// rule and the reply lengths. Pure functions over bytes; no timers and no transport.
namespace Frames {

// The high nibble of a frame's second byte. Types without a name (9..14) are frames too.
enum class Type : quint8
{
    ParamWrite = 0,
    BlockRead = 1,
    BlockWrite = 2,
    UploadEnd = 3,
    ModeSelect = 4,
    MenuShowRead = 5,
    MenuShowWrite = 6,
    PasswordRead = 7,
    PasswordWrite = 8,
    Handshake = 15,
};

inline constexpr quint8 StartByte = 0xFE;
inline constexpr quint8 KeepAliveByte = 0xFF;
inline constexpr quint8 NotificationByte = 0xFD;
// Fills unused bytes of the acknowledgement, handshake and menu-show frames.
inline constexpr quint8 Filler = 0x23;
// A single-frame value that stands for "the three stored bytes of the address".
inline constexpr int StoredBytes = 0xFF;
// Every address takes three bytes in a single frame, a block frame and a block reply.
inline constexpr int BytesPerAddress = 3;
inline constexpr int AcknowledgementLength = 4;
inline constexpr int SingleFrameLength = 7;
inline constexpr int PasswordFrameLength = 14;
inline constexpr int PasswordLength = PasswordFrameLength - 5;
// Handshake reply data begins with these two bytes.
inline constexpr quint8 HandshakeReply0 = 0x33;
inline constexpr quint8 HandshakeReply1 = 0x00;

// Sum modulo 256, except that 0xFD..0xFF (the keep-alive and notification bytes and the start
// byte) are replaced by 0x00, so a checksum can never be mistaken for them.
quint8 checksum(QByteArrayView bytes);

QByteArray acknowledgement();

// The type of a frame as it stands in its second byte.
inline Type typeOf(QByteArrayView frame)
{
    return Type(quint8(frame[1]) >> 4);
}

bool isBlockType(Type type);
bool isBlockReadType(Type type);
// The frames that change the processor's memory: parameters, blocks, menu-show flags, password.
bool isWriteType(Type type);

// The frame around the bytes it carries: three for a single frame, three per address of the
// block for a block frame, the nine password bytes for the password frame (which names no mode
// and no address). Nothing for a type outside 0..15, a mode outside 0..7 or a payload that does
// not fit the type.
std::optional<QByteArray> build(Type type, int mode, ParamAddress address, QByteArrayView payload);

// Length of the data frame the processor sends after acknowledging a frame of this type
// (checksum included); a block read is answered with the bytes of its blockSize addresses.
int replyLength(Type type, int blockSize);

// "FE,F0,00,33,00,23,44": the form of the communication log and the command-line tool.
QString hexText(QByteArrayView bytes);

} // namespace Frames

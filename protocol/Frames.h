#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

class ParamModel;

// The processor's frame format: building every frame the program sends, the checksum rule and
// the reply lengths. Pure functions over bytes; no timers and no transport.
namespace Frames {

enum Type : int
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
// A single-frame value that stands for "the three stored bytes of the address".
inline constexpr int StoredBytes = 0xFF;
inline constexpr int AcknowledgementLength = 4;
inline constexpr int SingleFrameLength = 7;
inline constexpr int PasswordFrameLength = 14;
// Handshake reply data begins with these two bytes.
inline constexpr quint8 HandshakeReply0 = 0x33;
inline constexpr quint8 HandshakeReply1 = 0x00;

// Sum modulo 256, except that 0xFD..0xFF (the keep-alive and notification bytes and the start
// byte) are replaced by 0x00, so a checksum can never be mistaken for them.
quint8 checksum(QByteArrayView bytes);

QByteArray acknowledgement();

bool isBlockType(int type);
// The frames that change the processor's memory: parameters, blocks, menu-show flags, password.
bool isWriteType(int type);

// The frame for a SendFrame call, built from the model's store, menu-show flags or password.
// Nothing for a type outside 0..15, a mode outside 0..7, an address or value outside 0..255, or
// a block type at an address that is not a block base.
std::optional<QByteArray> build(int type, int mode, int address, int value,
                                const ParamModel& model);

// Length of the data frame the processor sends after acknowledging the frame (checksum
// included); nothing where the frame cannot be answered (a block read at a non-base address).
std::optional<int> replyLength(int type, int address);

// "FE,F0,00,33,00,23,44": the form of the communication log and the command-line tool.
QString hexText(QByteArrayView bytes);

} // namespace Frames

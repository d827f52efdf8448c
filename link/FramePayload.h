#pragma once

#include "Frames.h"

#include <QByteArray>
#include <optional>

class ParamModel;

// Which bytes each frame the program sends carries, taken from the model: a value, or the three
// stored bytes of an address (value StoredBytes); a block of the store or of the menu-show flags;
// the password. protocol/ wraps them into the frame.
namespace FramePayload {

// Nothing for a mode outside 0..7, a value outside 0..255, or a block type at an address that is
// not a block base.
std::optional<QByteArray> of(Frames::Type type, int mode, ParamAddress address, int value,
                             const ParamModel& model);

// The whole frame for a SendFrame call; nothing where of() or Frames::build give nothing.
std::optional<QByteArray> frame(Frames::Type type, int mode, ParamAddress address, int value,
                                const ParamModel& model);

// Length of the processor's data frame for such a frame (checksum included); nothing where it
// cannot be answered (a block read at an address that is not a block base).
std::optional<int> replyLength(Frames::Type type, ParamAddress address);

} // namespace FramePayload

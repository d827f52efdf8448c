#include "BlockReply.h"

#include "ParamBlocks.h"
#include "ParamModel.h"

bool storeBlockReply(const QByteArray& reply, Frames::Type type, int mode, int base,
                     ParamModel& model)
{
    const ParamBlock block = *blockAtBase(base);
    if (reply.size() < 3 * block.size + 1) {
        return false;
    }
    for (int i = 0; i < block.size; ++i) {
        const auto byte = [&](int k) {
            return quint8(reply[3 * i + k]);
        };
        if (type == Frames::Type::MenuShowRead) {
            model.menuShow()[base + i] = byte(0);
        } else {
            model.store().setFields(mode, base + i, {byte(0), byte(1), byte(2)});
        }
    }
    return true;
}

#include "FramePayload.h"

#include "ParamBlocks.h"
#include "ParamModel.h"

namespace FramePayload {

namespace {

void appendFields(QByteArray& payload, const ParamModel& model, int mode, int address)
{
    for (quint8 field : model.store().fields(mode, address)) {
        payload.append(char(field));
    }
}

QByteArray block(Frames::Type type, int mode, const ParamBlock& block, const ParamModel& model)
{
    QByteArray payload;
    payload.reserve(Frames::BytesPerAddress * block.size);
    for (int address = block.base; address < block.base + block.size; ++address) {
        if (type == Frames::Type::BlockWrite) {
            appendFields(payload, model, mode, address);
        } else {
            payload.append(char(model.menuShow()[address]));
            payload.append(char(Frames::Filler));
            payload.append(char(Frames::Filler));
        }
    }
    return payload;
}

} // namespace

std::optional<QByteArray> of(Frames::Type type, int mode, ParamAddress address, int value,
                             const ParamModel& model)
{
    if (mode < 0 || mode >= ParamStore::ModeCount || value < 0 || value > 255) {
        return std::nullopt;
    }
    if (type == Frames::Type::PasswordWrite) {
        const auto& password = model.password();
        return QByteArray(reinterpret_cast<const char*>(password.data()),
                          qsizetype(password.size()));
    }
    if (Frames::isBlockType(type)) {
        const auto base = blockAtBase(address.value());
        if (!base) {
            return std::nullopt;
        }
        return block(type, mode, *base, model);
    }
    QByteArray payload;
    if (value == Frames::StoredBytes) {
        appendFields(payload, model, mode, address.value());
    } else {
        payload.append(char(value));
        payload.append('\0');
        payload.append(char(type == Frames::Type::Handshake ? Frames::Filler : 0));
    }
    return payload;
}

std::optional<QByteArray> frame(Frames::Type type, int mode, ParamAddress address, int value,
                                const ParamModel& model)
{
    const auto payload = of(type, mode, address, value, model);
    if (!payload) {
        return std::nullopt;
    }
    return Frames::build(type, mode, address, *payload);
}

std::optional<int> replyLength(Frames::Type type, ParamAddress address)
{
    if (!Frames::isBlockReadType(type)) {
        return Frames::replyLength(type, 0);
    }
    const auto block = blockAtBase(address.value());
    if (!block) {
        return std::nullopt;
    }
    return Frames::replyLength(type, block->size);
}

} // namespace FramePayload

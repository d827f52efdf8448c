#include "UploadCheck.h"

#include "BlockReply.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "ParamBlocks.h"
#include "ParamModel.h"

#include <QPair>

namespace {

// The block that holds a setting, as the frame that writes or reads it names it.
QPair<int, int> blockOf(const SettingKey& key)
{
    return {key.mode, blockContaining(key.address)->base};
}

} // namespace

UploadCheck::UploadCheck(DeviceLink& link)
    : m_link(link)
{}

QCoro::Task<UploadCheck::Result> UploadCheck::run()
{
    Result result;
    LinkSequence sequence(m_link);
    if (!sequence.isOpen() || !m_link.isOnline()) {
        co_return result;
    }
    ParamModel held = m_link.model();
    const bool read = co_await readBack(sequence, held);
    if (!read) {
        co_return result;
    }
    const ParamStore& sent = m_link.model().store();
    result.found = SettingDifferences::between(held.store(), sent);
    if (!result.found.isEmpty()) {
        const bool written = co_await writeAgain(sequence, result.found);
        if (!written) {
            co_return result;
        }
        const bool readAgain = co_await readBack(sequence, held);
        if (!readAgain) {
            co_return result;
        }
        result.remaining = SettingDifferences::between(held.store(), sent);
    }
    result.completed = true;
    for (const SettingDifference& difference : std::as_const(result.remaining)) {
        m_link.model().setFields(difference.key.mode, difference.key.address, difference.held);
    }
    co_return result;
}

QCoro::Task<bool> UploadCheck::readBack(LinkSequence& sequence, ParamModel& held)
{
    for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
        for (const ParamBlock& block : ParamBlocks) {
            if (block.common && mode > 0) {
                continue;
            }
            const bool answered = co_await sequence.SendFrame(
                Frames::Type::BlockRead, mode, ParamAddress(block.base), 0, ReplyTimeout::Normal);
            if (!answered ||
                !storeBlockReply(m_link.reply(), Frames::Type::BlockRead, mode, block.base, held)) {
                co_return false;
            }
        }
    }
    co_return true;
}

QCoro::Task<bool> UploadCheck::writeAgain(LinkSequence& sequence,
                                          const QList<SettingDifference>& differences)
{
    QList<QPair<int, int>> blocks;
    for (const SettingDifference& difference : differences) {
        if (!blocks.contains(blockOf(difference.key))) {
            blocks.append(blockOf(difference.key));
        }
    }
    for (const auto& [mode, base] : blocks) {
        const bool answered = co_await sequence.SendFrame(
            Frames::Type::BlockWrite, mode, ParamAddress(base), 0, ReplyTimeout::Normal);
        if (!answered) {
            co_return false;
        }
    }
    co_return true;
}

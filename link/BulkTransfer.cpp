#include "BulkTransfer.h"

#include "BlockReply.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "ParamBlocks.h"
#include "ParamModel.h"
#include "UserMessages.h"

#include <QCoreApplication>

namespace {

// The per-mode blocks in transfer order; the common block goes first, in mode 0.
constexpr int PerModeBases[] = {0x00, 0x40, 0x80};
constexpr int CommonBase = 0xC0;

} // namespace

BulkTransfer::BulkTransfer(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{}

bool BulkTransfer::begin()
{
    if (!m_link.isOnline()) {
        m_link.messages().showMessage(UserMessages::Icon::Exclamation, OfflineMessage);
        return false;
    }
    m_link.resetProgress();
    m_active = true;
    Q_EMIT transferStarted(ProgressTotal);
    return true;
}

void BulkTransfer::end(bool completed)
{
    m_active = false;
    Q_EMIT transferFinished(completed);
}

void BulkTransfer::SyncAll()
{
    LinkSequence sequence(m_link);
    if (!sequence.isOpen() || !begin()) {
        return;
    }
    Outcome outcome = readBlock(sequence, Frames::BlockRead, 0, CommonBase);
    for (int mode = 0; mode < ParamStore::ModeCount && outcome == Outcome::Completed; ++mode) {
        for (int base : PerModeBases) {
            if ((outcome = readBlock(sequence, Frames::BlockRead, mode, base)) !=
                Outcome::Completed) {
                break;
            }
        }
    }
    for (int base : PerModeBases) {
        if (outcome == Outcome::Completed) {
            outcome = readBlock(sequence, Frames::MenuShowRead, 0, base);
        }
    }
    Q_EMIT storeRead();
    end(outcome == Outcome::Completed);
    if (outcome == Outcome::BadReply) {
        m_link.messages().showMessage(UserMessages::Icon::Critical, ReadErrorMessage);
    }
}

BulkTransfer::Outcome BulkTransfer::readBlock(LinkSequence& sequence, int type, int mode, int base)
{
    if (!sequence.SendFrame(type, mode, base, 0, ReplyTimeout::Normal)) {
        return Outcome::FrameFailed;
    }
    if (!storeBlockReply(m_link.reply(), type, mode, base, m_link.model())) {
        return Outcome::BadReply;
    }
    return Outcome::Completed;
}

void BulkTransfer::UploadAll(bool endWithModeSelect)
{
    m_blocksWritten = 0;
    LinkSequence sequence(m_link);
    if (!sequence.isOpen() || !begin()) {
        return;
    }
    bool completed = writeAllBlocks(sequence) == Outcome::Completed;
    if (completed && endWithModeSelect) {
        completed = sequence.SendFrame(Frames::ModeSelect, m_link.model().currentMode(), 0, 0,
                                       ReplyTimeout::Normal);
    } else if (completed) {
        completed = sequence.SendFrame(Frames::UploadEnd, 0, 0, 0, ReplyTimeout::UploadEnd);
        if (completed) {
            m_link.setProgressCount(ProgressTotal);
            Q_EMIT progressChanged(ProgressTotal);
            QCoreApplication::processEvents();
        }
    }
    end(completed);
}

BulkTransfer::Outcome BulkTransfer::writeAllBlocks(LinkSequence& sequence)
{
    if (!sequence.SendFrame(Frames::BlockWrite, 0, CommonBase, 0, ReplyTimeout::Normal)) {
        return Outcome::FrameFailed;
    }
    ++m_blocksWritten;
    for (int mode = 0; mode < ParamStore::ModeCount; ++mode) {
        for (int base : PerModeBases) {
            if (!sequence.SendFrame(Frames::BlockWrite, mode, base, 0, ReplyTimeout::Normal)) {
                return Outcome::FrameFailed;
            }
            ++m_blocksWritten;
        }
    }
    return Outcome::Completed;
}

#include "BulkTransfer.h"

#include "BlockReply.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "ParamBlocks.h"
#include "ParamModel.h"

static_assert(BulkTransfer::UploadBlockCount ==
              1 + int(PerModeBlocks.size()) * ParamStore::ModeCount);

BulkTransfer::BulkTransfer(DeviceLink& link, QObject* parent)
    : QObject(parent)
    , m_link(link)
{}

BulkTransfer::~BulkTransfer()
{
    if (m_active) {
        m_link.setClosing();
    }
}

bool BulkTransfer::begin()
{
    m_completed = false;
    if (!m_link.isOnline()) {
        m_link.tell(LinkNotice::NotOnline);
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
    m_completed = completed;
    Q_EMIT transferFinished(completed);
}

QCoro::Task<> BulkTransfer::SyncAll()
{
    m_completed = false;
    LinkSequence sequence(m_link);
    if (sequence.isOpen()) {
        co_await SyncAll(sequence);
    }
}

QCoro::Task<> BulkTransfer::SyncAll(LinkSequence& sequence)
{
    if (!begin()) {
        co_return;
    }
    // Read into a copy and taken over whole, so that whoever shows the store is told once.
    ParamModel read = m_link.model();
    const Outcome outcome = co_await readEverything(sequence, read);
    m_link.model().setStore(read.store());
    m_link.model().menuShow() = read.menuShow();
    Q_EMIT storeRead();
    finishReading(outcome);
}

QCoro::Task<bool> BulkTransfer::ReadInto(LinkSequence& sequence, ParamModel& into)
{
    if (!begin()) {
        co_return false;
    }
    const Outcome outcome = co_await readEverything(sequence, into);
    finishReading(outcome);
    co_return outcome == Outcome::Completed;
}

void BulkTransfer::finishReading(Outcome outcome)
{
    end(outcome == Outcome::Completed);
    if (outcome == Outcome::BadReply) {
        m_link.tell(LinkNotice::BadBlockReply);
    }
}

QCoro::Task<BulkTransfer::Outcome> BulkTransfer::readEverything(LinkSequence& sequence,
                                                                ParamModel& into)
{
    Outcome outcome =
        co_await readBlock(sequence, Frames::Type::BlockRead, 0, CommonBlock.base, into);
    for (int mode = 0; mode < ParamStore::ModeCount && outcome == Outcome::Completed; ++mode) {
        for (const ParamBlock& block : PerModeBlocks) {
            outcome = co_await readBlock(sequence, Frames::Type::BlockRead, mode, block.base, into);
            if (outcome != Outcome::Completed) {
                break;
            }
        }
    }
    for (const ParamBlock& block : PerModeBlocks) {
        if (outcome == Outcome::Completed) {
            outcome = co_await readBlock(sequence, Frames::Type::MenuShowRead, 0, block.base, into);
        }
    }
    co_return outcome;
}

QCoro::Task<BulkTransfer::Outcome> BulkTransfer::readBlock(LinkSequence& sequence,
                                                           Frames::Type type, int mode, int base,
                                                           ParamModel& into)
{
    const bool answered =
        co_await sequence.SendFrame(type, mode, ParamAddress(base), 0, ReplyTimeout::Normal);
    if (!answered) {
        co_return Outcome::FrameFailed;
    }
    if (!storeBlockReply(m_link.reply(), type, mode, base, into)) {
        co_return Outcome::BadReply;
    }
    co_return Outcome::Completed;
}

QCoro::Task<> BulkTransfer::UploadAll(bool endWithModeSelect)
{
    m_blocksWritten = 0;
    m_completed = false;
    LinkSequence sequence(m_link);
    if (!sequence.isOpen() || !begin()) {
        co_return;
    }
    const Outcome written = co_await writeAllBlocks(sequence);
    bool completed = written == Outcome::Completed;
    if (completed && endWithModeSelect) {
        completed =
            co_await sequence.SendFrame(Frames::Type::ModeSelect, m_link.model().currentMode(),
                                        ParamAddress(0), 0, ReplyTimeout::Normal);
    } else if (completed) {
        completed = co_await sequence.SendFrame(Frames::Type::UploadEnd, 0, ParamAddress(0), 0,
                                                ReplyTimeout::UploadEnd);
        if (completed) {
            m_link.setProgressCount(ProgressTotal);
            Q_EMIT progressChanged(ProgressTotal);
        }
    }
    end(completed);
}

QCoro::Task<BulkTransfer::Outcome> BulkTransfer::writeAllBlocks(LinkSequence& sequence)
{
    bool answered = co_await sequence.SendFrame(
        Frames::Type::BlockWrite, 0, ParamAddress(CommonBlock.base), 0, ReplyTimeout::Normal);
    m_blocksWritten += answered ? 1 : 0;
    for (int mode = 0; mode < ParamStore::ModeCount && answered; ++mode) {
        for (const ParamBlock& block : PerModeBlocks) {
            answered = co_await sequence.SendFrame(
                Frames::Type::BlockWrite, mode, ParamAddress(block.base), 0, ReplyTimeout::Normal);
            if (!answered) {
                break;
            }
            ++m_blocksWritten;
        }
    }
    co_return answered ? Outcome::Completed : Outcome::FrameFailed;
}

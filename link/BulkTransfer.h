#pragma once

#include "Frames.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <QString>

class DeviceLink;
class LinkSequence;
class ParamModel;

// Moves the whole parameter set: SyncAll reads every block of every mode and the menu-show flags
// from the processor into the store (28 frames); UploadAll writes every block of every mode from
// the store to the processor (25 frames and a closing frame). Both stop at the first frame that
// fails; what was read or written before it stays.
//
// What a front end shows around a transfer it learns from the signals: the window disables
// itself and shows its progress bar, which follows the link's progress counter.
class BulkTransfer : public QObject
{
    Q_OBJECT

public:
    static constexpr int ProgressTotal = 25;
    // The block writes of an upload: the common block, then three blocks of each of eight modes.
    static constexpr int UploadBlockCount = 25;

    explicit BulkTransfer(DeviceLink& link, QObject* parent = nullptr);
    // A transfer still running when this goes would go on without it: the link closes first,
    // which ends it.
    ~BulkTransfer() override;

    // Each runs as a sequence of its own; nothing happens while another holds the link.
    QCoro::Task<> SyncAll();
    // endWithModeSelect: after a preset import the processor is put back into the current mode;
    // after the upload button it is told that the upload has ended.
    QCoro::Task<> UploadAll(bool endWithModeSelect);
    // The synchronisation within a sequence already open (the handshake's).
    QCoro::Task<> SyncAll(LinkSequence& sequence);
    // The same frames read into another model, leaving the store alone; false when a frame
    // failed or a reply was bad (said, as the synchronisation says it).
    QCoro::Task<bool> ReadInto(LinkSequence& sequence, ParamModel& into);

    bool isActive() const { return m_active; }
    // The last transfer went through whole (false too when it could not start).
    bool completed() const { return m_completed; }
    // How many block writes of the last upload the processor confirmed: UploadBlockCount when
    // all of them went through, fewer when it stopped part-way.
    int blocksWritten() const { return m_blocksWritten; }

Q_SIGNALS:
    // A transfer begins; the progress counter runs from 0 towards progressMaximum.
    void transferStarted(int progressMaximum);
    // The counter jumped (the upload's closing frame sets it to the maximum at once).
    void progressChanged(int value);
    // A synchronisation has put what it read into the store (all of it, or the blocks before a
    // failed frame): everything shown is out of date, and so is the undo history.
    void storeRead();
    // The transfer is over; completed is false when a frame failed or a reply was bad.
    void transferFinished(bool completed);

private:
    enum class Outcome
    {
        Completed,
        FrameFailed,
        BadReply
    };

    bool begin();
    void end(bool completed);
    QCoro::Task<Outcome> readEverything(LinkSequence& sequence, ParamModel& into);
    void finishReading(Outcome outcome);
    QCoro::Task<Outcome> readBlock(LinkSequence& sequence, Frames::Type type, int mode, int base,
                                   ParamModel& into);
    QCoro::Task<Outcome> writeAllBlocks(LinkSequence& sequence);

    DeviceLink& m_link;
    bool m_active = false;
    bool m_completed = false;
    int m_blocksWritten = 0;
};

#pragma once

#include <QString>

class BulkTransferUi;
class DeviceLink;
class LinkSequence;

// Moves the whole parameter set: SyncAll reads every block of every mode and the menu-show flags
// from the processor into the store (28 frames); UploadAll writes every block of every mode from
// the store to the processor (25 frames and a closing frame). Both stop at the first frame that
// fails; what was read or written before it stays.
class BulkTransfer
{
public:
    static constexpr int ProgressTotal = 25;

    static inline const QString OfflineMessage =
        QStringLiteral("Please get your device online first.");
    static inline const QString ReadErrorMessage =
        QStringLiteral("Error reading data from the device!");

    BulkTransfer(DeviceLink& link, BulkTransferUi& ui);

    void SyncAll();
    // endWithModeSelect: after a preset import the processor is put back into the current mode;
    // after the upload button it is told that the upload has ended.
    void UploadAll(bool endWithModeSelect);

    bool isActive() const { return m_active; }

private:
    enum class Outcome
    {
        Completed,
        FrameFailed,
        BadReply
    };

    bool begin();
    void end();
    Outcome readBlock(LinkSequence& sequence, int type, int mode, int base);
    Outcome writeAllBlocks(LinkSequence& sequence);

    DeviceLink& m_link;
    BulkTransferUi& m_ui;
    bool m_active = false;
};

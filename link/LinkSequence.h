#pragma once

#include "Frames.h"

#include <QCoro/QCoroTask>
#include <chrono>

class DeviceLink;

// Holds the link for a run of frames that belong together (synchronisation, upload, undo
// restore, group reset, password and menu commands) for as long as it lives, normally in the
// frame of the coroutine that sends them: its own frames go out through its SendFrame, each
// awaited before the next; single writes asked for by anyone else meanwhile wait until it ends.
// Never keep one across a wait for anything but its own frames (a dialog, a message).
//
// A sequence cannot start while an exchange or another sequence runs: isOpen() is then false,
// nothing was marked, and the caller gives up (or tries again later).
class LinkSequence
{
public:
    explicit LinkSequence(DeviceLink& link);
    ~LinkSequence();
    LinkSequence(const LinkSequence&) = delete;
    LinkSequence& operator=(const LinkSequence&) = delete;

    bool isOpen() const { return m_open; }
    DeviceLink& link() { return m_link; }
    // Completes false at once when the sequence is not open.
    QCoro::Task<bool> SendFrame(Frames::Type type, int mode, ParamAddress address, int value,
                                std::chrono::milliseconds replyTimeout);

private:
    DeviceLink& m_link;
    bool m_open;
};

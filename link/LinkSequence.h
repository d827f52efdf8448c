#pragma once

class DeviceLink;

// Marks a run of frames that belong together (synchronisation, upload, undo restore, group reset,
// password and menu commands) for as long as it lives. Its own frames go out through SendFrame of
// the sequence; single writes asked for by anyone else meanwhile wait until it ends.
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
    bool SendFrame(int type, int mode, int address, int value, int replyTimeoutMs);

private:
    DeviceLink& m_link;
    bool m_open;
};

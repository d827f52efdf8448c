#include "LinkSequence.h"

#include "DeviceLink.h"

LinkSequence::LinkSequence(DeviceLink& link)
    : m_link(link)
    , m_open(!link.m_exchangeRunning && !link.m_sequenceRunning)
{
    if (m_open) {
        m_link.m_sequenceRunning = true;
        ++m_link.m_depth;
    }
}

LinkSequence::~LinkSequence()
{
    if (m_open) {
        m_link.m_sequenceRunning = false;
        m_link.sendPendingWrites();
        m_link.leave();
    }
}

bool LinkSequence::SendFrame(int type, int mode, int address, int value, int replyTimeoutMs)
{
    return m_open && m_link.runExchange(type, mode, address, value, replyTimeoutMs);
}

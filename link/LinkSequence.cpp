#include "LinkSequence.h"

#include "DeviceLink.h"

LinkSequence::LinkSequence(DeviceLink& link)
    : m_link(link)
    , m_open(!link.isBusy())
{
    if (m_open) {
        m_link.m_sequenceOpen = true;
    }
}

LinkSequence::~LinkSequence()
{
    if (m_open) {
        m_link.sequenceEnded();
    }
}

QCoro::Task<bool> LinkSequence::SendFrame(Frames::Type type, int mode, ParamAddress address,
                                          int value, std::chrono::milliseconds replyTimeout)
{
    if (!m_open) {
        co_return false;
    }
    co_return co_await m_link.runExchange(type, mode, address, value, replyTimeout);
}

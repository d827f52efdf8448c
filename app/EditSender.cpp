#include "EditSender.h"

#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "SkinnedControl.h"

#include <QWidget>

EditSender::EditSender(DeviceLink& link, QWidget& window)
    : m_link(link)
    , m_window(window)
{}

bool EditSender::online() const
{
    return m_link.isOnline();
}

QCoro::Task<bool> EditSender::write(int mode, int address, int value)
{
    if (!online()) {
        co_return false;
    }
    co_return co_await m_link.SendFrame(Frames::Type::ParamWrite, mode, ParamAddress(address),
                                        value, ReplyTimeout::Normal);
}

QCoro::Task<bool> EditSender::sendWhileDisabled(SkinnedControl* control, int mode, int address,
                                                int value, Frames::Type type)
{
    if (!online()) {
        co_return false;
    }
    // The control's own Enabled keeps a second edit of it from starting while the first is on
    // its way.
    control->setControlEnabled(false);
    const bool sent =
        co_await m_link.SendFrame(type, mode, ParamAddress(address), value, ReplyTimeout::Normal);
    control->setControlEnabled(true);
    co_return sent;
}

QCoro::Task<bool> EditSender::sendWithWindowDisabled(int mode, int address, int value)
{
    if (!online()) {
        co_return false;
    }
    m_window.setEnabled(false);
    const bool sent = co_await m_link.SendFrame(Frames::Type::ParamWrite, mode,
                                                ParamAddress(address), value, ReplyTimeout::Normal);
    m_window.setEnabled(true);
    co_return sent;
}

QCoro::Task<> EditSender::sendAddresses(int mode, QList<int> addresses)
{
    if (!online()) {
        co_return;
    }
    LinkSequence sequence(m_link);
    if (!sequence.isOpen()) {
        // The store has changed already, so the processor must follow: each write waits its
        // turn on the link and goes out, in this order, as soon as that exchange ends.
        for (int address : addresses) {
            m_link.SendFrame(Frames::Type::ParamWrite, mode, ParamAddress(address),
                             Frames::StoredBytes, ReplyTimeout::Normal);
        }
        co_return;
    }
    m_window.setEnabled(false);
    for (int address : addresses) {
        const bool answered =
            co_await sequence.SendFrame(Frames::Type::ParamWrite, mode, ParamAddress(address),
                                        Frames::StoredBytes, ReplyTimeout::Normal);
        if (!answered) {
            break;
        }
    }
    m_window.setEnabled(true);
}

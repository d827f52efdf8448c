#include "MainWindowContext.h"

#include "DeviceLink.h"
#include "Frames.h"
#include "LinkSequence.h"
#include "SkinnedControl.h"

#include <QWidget>

bool MainWindowContext::online() const
{
    return link.isOnline();
}

QCoro::Task<bool> MainWindowContext::sendWhileDisabled(SkinnedControl* control, int mode,
                                                       int address, int value, int type)
{
    if (!online()) {
        co_return false;
    }
    // The control's own Enabled keeps a second edit of it from starting while the first is on
    // its way.
    control->setControlEnabled(false);
    const bool sent = co_await link.SendFrame(type, mode, address, value, ReplyTimeout::Normal);
    control->setControlEnabled(true);
    co_return sent;
}

QCoro::Task<bool> MainWindowContext::sendWithWindowDisabled(int mode, int address, int value)
{
    if (!online()) {
        co_return false;
    }
    window.setEnabled(false);
    const bool sent =
        co_await link.SendFrame(Frames::ParamWrite, mode, address, value, ReplyTimeout::Normal);
    window.setEnabled(true);
    co_return sent;
}

QCoro::Task<> MainWindowContext::sendAddresses(int mode, QList<int> addresses)
{
    if (!online()) {
        co_return;
    }
    LinkSequence sequence(link);
    if (!sequence.isOpen()) {
        // The store has changed already, so the processor must follow: each write waits its
        // turn on the link and goes out, in this order, as soon as that exchange ends.
        for (int address : addresses) {
            link.SendFrame(Frames::ParamWrite, mode, address, Frames::StoredBytes,
                           ReplyTimeout::Normal);
        }
        co_return;
    }
    window.setEnabled(false);
    for (int address : addresses) {
        const bool answered = co_await sequence.SendFrame(
            Frames::ParamWrite, mode, address, Frames::StoredBytes, ReplyTimeout::Normal);
        if (!answered) {
            break;
        }
    }
    window.setEnabled(true);
}

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

bool MainWindowContext::sendWhileDisabled(SkinnedControl* control, int mode, int address, int value,
                                          int type)
{
    if (!online()) {
        return false;
    }
    // The control's own Enabled keeps a second edit of it from starting while the first is on
    // its way.
    control->setControlEnabled(false);
    const bool sent = link.SendFrame(type, mode, address, value, ReplyTimeout::Normal);
    control->setControlEnabled(true);
    // A failed exchange has taken the link offline; a write put on the pending list has not.
    return sent || online();
}

void MainWindowContext::sendWithWindowDisabled(int mode, int address, int value)
{
    if (!online()) {
        return;
    }
    window.setEnabled(false);
    link.SendFrame(Frames::ParamWrite, mode, address, value, ReplyTimeout::Normal);
    window.setEnabled(true);
}

void MainWindowContext::sendAddresses(int mode, const QList<int>& addresses)
{
    if (!online()) {
        return;
    }
    LinkSequence sequence(link);
    if (!sequence.isOpen()) {
        // The store has changed already, so the processor must follow: each write waits on the
        // link's pending list and goes out, in this order, as soon as that exchange ends.
        for (int address : addresses) {
            link.SendFrame(Frames::ParamWrite, mode, address, Frames::StoredBytes,
                           ReplyTimeout::Normal);
        }
        return;
    }
    window.setEnabled(false);
    for (int address : addresses) {
        if (!sequence.SendFrame(Frames::ParamWrite, mode, address, Frames::StoredBytes,
                                ReplyTimeout::Normal)) {
            break;
        }
    }
    window.setEnabled(true);
}

#include "MainWindowContext.h"

#include "DeviceLink.h"
#include "Frames.h"
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

QCoro::Task<> MainWindowContext::sendWithWindowDisabled(int mode, int address, int value)
{
    if (!online()) {
        co_return;
    }
    window.setEnabled(false);
    co_await link.SendFrame(Frames::ParamWrite, mode, address, value, ReplyTimeout::Normal);
    window.setEnabled(true);
}

#include "MainWindowContext.h"

#include "DeviceLink.h"
#include "Frames.h"
#include "SimpControl.h"
#include "TagNew.h"

#include <QWidget>

bool MainWindowContext::online() const
{
    return link.isOnline();
}

int MainWindowContext::boundAddress(const SimpControl* control)
{
    return TagNew::parseAddress(control->tagNew()).value_or(0);
}

void MainWindowContext::sendWhileDisabled(QObject* control, int mode, int address, int value,
                                          int type)
{
    if (!online()) {
        return;
    }
    // The skinned controls' own Enabled, which keeps a second edit of the same control from
    // starting while the first is on its way.
    control->setProperty("Enabled", false);
    link.SendFrame(type, mode, address, value, ReplyTimeout::Normal);
    control->setProperty("Enabled", true);
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

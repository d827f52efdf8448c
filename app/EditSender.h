#pragma once

#include "Frames.h"

#include <QCoro/QCoroTask>
#include <QList>

class DeviceLink;
class QWidget;
class SkinnedControl;

// How the window's edits reach the processor: nothing while offline, and while a frame is on its
// way the control that sent it, or the whole window, is disabled.
class EditSender
{
public:
    EditSender(DeviceLink& link, QWidget& window);

    bool online() const;
    // One parameter write, not waiting for anything; nothing while offline. True when the
    // processor got it or will get it.
    QCoro::Task<bool> write(int mode, int address, int value);
    // The edit pattern: nothing while offline; otherwise the control is disabled until the frame
    // (a parameter write unless said otherwise) has been answered, and enabled again whatever
    // the outcome. True when the processor got the frame or will get it: a write asked for
    // during another exchange waits its turn on the link.
    QCoro::Task<bool> sendWhileDisabled(SkinnedControl* control, int mode, int address, int value,
                                        Frames::Type type = Frames::Type::ParamWrite);
    // The same with the whole window disabled, for commands that must not overlap at all.
    QCoro::Task<bool> sendWithWindowDisabled(int mode, int address, int value);
    // The stored bytes of several addresses, in order, with the window disabled, as one
    // sequence, as a group reset sends them; when another exchange still waits for its reply
    // they wait their turn on the link and follow it. Nothing while offline.
    QCoro::Task<> sendAddresses(int mode, QList<int> addresses);

private:
    DeviceLink& m_link;
    QWidget& m_window;
};

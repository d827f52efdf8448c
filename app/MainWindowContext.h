#pragma once

#include <QCoro/QCoroTask>
#include <QList>
#include <functional>

class BandTable;
class DeviceLink;
class ParamModel;
class QWidget;
class SkinnedControl;
class UndoHistory;
class UserMessages;
struct ControlBindings;
struct MainWindowControls;

// What the main window's parts share: the window, its controls and their bindings, the store, the
// link, the undo history and the band table, and the one way stored values reach the controls.
struct MainWindowContext
{
    // RefreshControls families, one bit each.
    enum RefreshFlag : int
    {
        Displays = 1,     // MyNumber digit displays (filter: address)
        Sliders = 2,      // MyScrollBar sliders
        Buttons = 4,      // selectors, two-way buttons, the EQ on/off button
        BandReadouts = 8, // band markers and read-outs (filter: band)
        Knobs = 16,       // the three band knobs
        Curve = 32,       // one redraw of the EQ curve
        BandList = 64,    // rebuild the current group's band list from the store
        Everything = 255,
    };
    static constexpr int AllAddresses = 255;

    QWidget& window;
    MainWindowControls& controls;
    const ControlBindings& bindings;
    ParamModel& model;
    DeviceLink& link;
    UserMessages& messages;
    UndoHistory& undo;
    BandTable& bands;
    std::function<void(int flags, int filter)> RefreshControls;

    bool online() const;
    // The edit pattern: nothing while offline; otherwise the control is disabled until the frame
    // (a parameter write unless said otherwise) has been answered, and enabled again whatever
    // the outcome. True when the processor got the frame or will get it: a write asked for
    // during another exchange waits its turn on the link.
    QCoro::Task<bool> sendWhileDisabled(SkinnedControl* control, int mode, int address, int value,
                                        int type = 0);
    // The same with the whole window disabled, for commands that must not overlap at all.
    QCoro::Task<bool> sendWithWindowDisabled(int mode, int address, int value);
    // The stored bytes of several addresses, in order, with the window disabled, as one
    // sequence, as a group reset sends them; when another exchange still waits for its reply
    // they wait their turn on the link and follow it. Nothing while offline.
    QCoro::Task<> sendAddresses(int mode, QList<int> addresses);
};

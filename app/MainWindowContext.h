#pragma once

class BandTable;
class DeviceLink;
class EditSender;
class ParamModel;
class QWidget;
class UndoHistory;
class UserMessages;
struct ControlBindings;
struct MainWindowControls;

// What the main window's broader parts share: the window, its controls and their bindings, the
// store, the link and how edits reach it, the undo history and the band table.
struct MainWindowContext
{
    QWidget& window;
    MainWindowControls& controls;
    const ControlBindings& bindings;
    ParamModel& model;
    DeviceLink& link;
    EditSender& sender;
    UserMessages& messages;
    UndoHistory& undo;
    BandTable& bands;

    bool online() const;
};

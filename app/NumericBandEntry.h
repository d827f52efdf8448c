#pragma once

#include "MainWindowControls.h"
#include "RefreshFlags.h"
#include "TagNew.h"

#include <QCoreApplication>
#include <QObject>
#include <array>
#include <optional>

class BandEditor;
class BandTable;
class EditSender;
class ParamModel;
class UndoHistory;
class UserMessages;
class WindowLayout;

// Typing a band value: a click on a band read-out opens the entry box over it with the value
// selected; Enter stores the typed value (held to its limits, snapped by the field's encoding)
// into the band, shows it everywhere and sends the band. Escape, a press anywhere else or the
// box losing the focus discards what was typed.
class NumericBandEntry : public QObject
{
public:
    static QString notNumberMessage()
    {
        return QCoreApplication::translate("NumericBandEntry", "Only numbers are allowed here.");
    }

    // The read-outs that open the box, the box, and the graph that gets the focus back.
    struct Controls
    {
        std::array<ShowNumber*, MainWindowControls::BandReadoutCount> readouts;
        QLineEdit* box;
        QWidget* graph;

        static Controls of(const MainWindowControls& c)
        {
            return {c.bandReadouts, c.bandValueEntry, c.graph};
        }
    };

    NumericBandEntry(BandTable& bands, ParamModel& model, UndoHistory& undo,
                     ControlsRefresh refresh, EditSender& sender, UserMessages& messages,
                     const BandEditor& editor, const WindowLayout& layout, const QWidget& window,
                     Controls controls);

    void attach();

    void open(int readout);
    void commit();
    void discard();
    bool isOpen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BandTable& m_bands;
    ParamModel& m_model;
    UndoHistory& m_undo;
    ControlsRefresh m_refresh;
    EditSender& m_sender;
    UserMessages& m_messages;
    const BandEditor& m_editor;
    const WindowLayout& m_layout;
    const QWidget& m_window;
    Controls m_controls;
    // The read-out's binding: the address, field and band record the box edits.
    std::optional<TagNew::BandDisplayBinding> m_target;
};

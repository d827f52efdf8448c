#pragma once

#include "BandSender.h"
#include "BandTable.h"
#include "BulkTransfer.h"
#include "ConnectionSupervisor.h"
#include "ControlBindings.h"
#include "EditSender.h"
#include "LinkMessages.h"
#include "MainWindowControls.h"
#include "RefreshFlags.h"
#include "UndoHistory.h"
#include "WindowLayout.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class BandEditor;
class CommIndicator;
class EqGraphView;
class ControlRefresher;
class DeviceLink;
class FileChooser;
class FirstExposeHold;
class Form;
class GraphEdits;
class HiddenProperties;
class MainCommands;
class NumericBandEntry;
class ParamModel;
class ParameterEdits;
class PresetCommands;
class RedrawRateMeter;
class RoomEqActions;
class QTimer;
class ReconnectPrompt;
class SkinImages;
class UserMessages;
struct MainWindowContext;

// The main window: built from its design file, it shows every parameter of the store on skinned
// controls, edits them live on the processor, changes modes, undoes and redoes, and saves and
// imports presets. It has no system frame: its title strip moves it, its grip resizes it, and
// every control scales with it.
class frmEQ : public QWidget, private BandSender
{
    Q_OBJECT

public:
    static inline const QString DesignFile = QStringLiteral(":/app/frmEQ.form");
    static QString closeDuringTransferMessage()
    {
        return QCoreApplication::translate(
            "frmEQ", "Data transmission will discontinue. Click OK/ENTER to close the software.");
    }

    frmEQ(ParamModel& model, SkinImages& skin, DeviceLink& link, UserMessages& messages,
          FileChooser& files, QWidget* parent = nullptr);
    ~frmEQ() override;

    // Builds the window from its design and runs the start-up: band read-outs and panels placed,
    // design layout recorded, factory defaults, empty history, size for the screen, EQ group 0,
    // every control showing the store. False, with the reason in error, when the design is bad.
    bool load(QString& error, const QString& designFile = DesignFile);

    void RefreshControls(RefreshFlags flags);
    // Just after the window was shown, while the display maps it and activates it: draws the
    // graph's and the visible controls' pictures, so that the first paint only copies them, and
    // holds that paint back until the first activation lets the controls show (FirstExposeHold).
    void prepareFirstPaint();

    BulkTransfer& bulk() { return m_bulk; }
    bool isFirstActivationDone() const { return m_activated; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tests look inside through it; the program itself needs none of that.
    friend struct MainWindowProbe;

    void showTransferStarted(int progressMaximum);
    void showTransferFinished();
    void showStoreRead();
    void showOnline(bool online);
    void showLampTip();
    // BandSender: the graph sends a dragged band from its redraw tick.
    bool isOnline() const override;
    void sendBand(quint8 address) override;

    bool takeTimersFromDesign(QString& error);
    // RefreshControls as the window's parts call it.
    ControlsRefresh controlsRefresh();
    // Closing: nothing that uses the link or waits on a dialog of ours goes on afterwards.
    void endSequences();
    void discardDesign();
    void placeBandReadouts();
    void startUp();
    void firstActivation();
    void applyWindowSize();
    void resizeFromGrip(int dy);
    void connectWindowCommands();
    void attachGraphEditing();
    void attachRoomEq();
    // The log window, made the first time it is asked for: most runs never open it, and its
    // text box would load two more fonts at start.
    CommIndicator& commIndicator();

    ParamModel& m_model;
    SkinImages& m_skin;
    DeviceLink& m_link;
    UserMessages& m_messages;
    LinkMessages m_linkMessages;
    FileChooser& m_files;
    BandTable m_bands;
    UndoHistory m_undo;
    BulkTransfer m_bulk;
    ConnectionSupervisor m_supervisor;
    EditSender m_sender;
    WindowLayout m_layout;
    std::unique_ptr<Form> m_form;
    std::optional<MainWindowControls> m_controls;
    std::optional<ControlBindings> m_bindings;
    std::unique_ptr<MainWindowContext> m_context;
    std::unique_ptr<BandEditor> m_bandEditor;
    std::unique_ptr<ControlRefresher> m_refresher;
    std::unique_ptr<MainCommands> m_commands;
    std::unique_ptr<ParameterEdits> m_edits;
    std::unique_ptr<PresetCommands> m_presets;
    std::unique_ptr<HiddenProperties> m_hiddenProperties;
    std::unique_ptr<ReconnectPrompt> m_reconnectPrompt;
    CommIndicator* m_commIndicator =
        nullptr; // a window of its own, owned as our child, or none yet

    std::unique_ptr<NumericBandEntry> m_bandEntry;
    std::unique_ptr<GraphEdits> m_graphEdits;
    std::unique_ptr<RedrawRateMeter> m_redrawRateMeter;
    std::unique_ptr<RoomEqActions> m_roomEq;
    QTimer* m_progressTimer = nullptr; // Timer6
    QTimer* m_endTimer = nullptr;      // tmrEnd
    QTimer* m_toneReset = nullptr;     // timerToneReset
    QTimer* m_drawWave = nullptr;      // tmrDrawWave: sends the band a drag changed
    EqGraphView* m_graph = nullptr;    // Picture1
    QTimer* m_wheelStep = nullptr;     // Timer7
    QTimer* m_redrawRate = nullptr;    // Timer1
    bool m_activated = false;
    QPointer<FirstExposeHold> m_firstExposeHold; // until the first activation
    // The skin's pages go back after the next paint: the first one, and the one after a sync.
    bool m_releaseSkinPages = true;
};

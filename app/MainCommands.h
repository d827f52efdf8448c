#pragma once

#include "MainWindowControls.h"
#include "RefreshFlags.h"

#include <QCoro/QCoroTask>
#include <array>

class BandEditor;
class DeviceLink;
class EditSender;
class ParamModel;
class QLineEdit;
class QTimer;
class QWidget;
class SimpControl;
class SkinnedSlider;
class UndoHistory;
class WindowLayout;
struct ControlBindings;

// The main window's commands that are not tied to one band: EQ group and parameter panel
// selection, the mode arrows, the common selectors (input, start mode, save mode, mode change,
// four-way selector), the group reset, the tone key and the panel tabs.
class MainCommands
{
public:
    static constexpr int PanelCount = MainWindowControls::PanelCount;

    // The group tabs with their marker, the panels, the mode, input, start-mode, save-mode,
    // mode-change and four-way controls, the group reset and the tone key.
    struct Controls
    {
        std::array<SimpControl*, MainWindowControls::GroupTabCount> groupTabs;
        SimpControl* groupMarker;
        SimpControl* panelsTab;
        QWidget* bandPanel;
        QLineEdit* bandValueEntry; // hidden with the band panel's change
        std::array<QWidget*, PanelCount> parameterPanels;
        std::array<SimpControl*, PanelCount> panelTabStrips;
        SimpControl* modeUp;
        SimpControl* modeDown;
        SimpControl* modeNumber;
        std::array<SimpControl*, 2> inputArrows;
        std::array<SimpControl*, 2> startModeArrows;
        std::array<SimpControl*, 2> saveModeButtons;
        std::array<SimpControl*, 2> modeChangeButtons;
        SimpControl* fourWayUp;
        SimpControl* fourWayDown;
        SimpControl* fourWayDisplay;
        SimpControl* groupResetButton;
        SkinnedSlider* toneKey;

        static Controls of(const MainWindowControls& c);
    };

    MainCommands(ParamModel& model, const ControlBindings& bindings, UndoHistory& undo,
                 ControlsRefresh refresh, EditSender& sender, DeviceLink& link, BandEditor& bands,
                 WindowLayout& layout, const QWidget& window, QTimer& toneReset, Controls controls);

    void attach();

    void selectGroup(int group);
    void showParameterPanels();
    // Places the group marker under the selected group's tab for the window's present size.
    void placeGroupMarker();
    int currentTab() const { return m_currentTab; }

private:
    void stepMode(int delta, SimpControl* arrow);
    QCoro::Task<> stepInput(int element);
    void stepStartMode(int element);
    void setSaveMode(int element);
    void setModeChange(int element);
    void stepFourWay(int delta);
    void resetGroup();
    QCoro::Task<> toneMoved();
    void toneReturnedToNeutral();
    void toneResetTick();
    void panelPressed(float x, float y);
    void showPanel(int tab);

    ParamModel& m_model;
    const ControlBindings& m_bindings;
    UndoHistory& m_undo;
    ControlsRefresh m_refresh;
    EditSender& m_sender;
    DeviceLink& m_link;
    BandEditor& m_bands;
    WindowLayout& m_layout;
    const QWidget& m_window;
    QTimer& m_toneReset;
    Controls m_controls;
    int m_currentTab = 0;
};

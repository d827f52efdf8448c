#pragma once

#include <QCoro/QCoroTask>

class BandEditor;
class QTimer;
class SimpControl;
class WindowLayout;
struct MainWindowContext;

// The main window's commands that are not tied to one band: EQ group and parameter panel
// selection, the mode arrows, the common selectors (input, start mode, save mode, mode change,
// four-way selector), the group reset, the tone key and the panel tabs.
class MainCommands
{
public:
    MainCommands(MainWindowContext& context, BandEditor& bands, WindowLayout& layout,
                 QTimer& toneReset);

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

    MainWindowContext& m_context;
    BandEditor& m_bands;
    WindowLayout& m_layout;
    QTimer& m_toneReset;
    int m_currentTab = 0;
};

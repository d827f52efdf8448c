#pragma once

class BandEditor;
struct MainWindowContext;

// RefreshControls: the one way stored values reach the window's controls, each through the binding
// read from the design; the flags choose the families, the filter an address or band.
// Setting a control's value here never counts as a user edit, so nothing is sent. The curve
// redraw (flag 32) is the window's own timer; the window takes that flag before it gets here.
class ControlRefresher
{
public:
    ControlRefresher(MainWindowContext& context, BandEditor& bands);

    void RefreshControls(int flags, int filter);

private:
    void refreshDisplays(int filter);
    void refreshSliders();
    void refreshButtons();
    void refreshBandReadouts(int filter);
    void refreshKnobs();

    MainWindowContext& m_context;
    BandEditor& m_bands;
};

#pragma once

#include "MainWindowControls.h"
#include "frmEQ.h"

// The parts of the main window that tests look at and the program keeps to itself.
struct MainWindowProbe
{
    static const MainWindowControls& controls(const frmEQ& w) { return *w.m_controls; }
    static const Form& form(const frmEQ& w) { return *w.m_form; }
    static ConnectionSupervisor& supervisor(frmEQ& w) { return w.m_supervisor; }
    static UndoHistory& undoHistory(frmEQ& w) { return w.m_undo; }
    static BandTable& bands(frmEQ& w) { return w.m_bands; }
    static MainCommands& commands(frmEQ& w) { return *w.m_commands; }
    static CommIndicator& commIndicator(frmEQ& w) { return w.commIndicator(); }
    static RedrawRateMeter& redrawRateMeter(frmEQ& w) { return *w.m_redrawRateMeter; }
    static RoomEqActions& roomEq(frmEQ& w) { return *w.m_roomEq; }
    static const WindowLayout& layout(const frmEQ& w) { return w.m_layout; }
};

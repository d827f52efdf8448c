#pragma once

#include "RefreshFlags.h"

#include <optional>

class BandEditor;
struct MainWindowContext;

// How stored values reach the window's controls, each through the binding read from the design.
// RefreshControls brings whole families up to date; showAddress is how the bound controls follow
// the store's change signal, the ones showing the address written in the slot the window shows.
// Setting a control's value here never counts as a user edit, so nothing is sent. The curve
// redraw is the window's own; the window draws it before it gets here.
class ControlRefresher
{
public:
    ControlRefresher(MainWindowContext& context, BandEditor& bands);

    void RefreshControls(RefreshFlags flags);
    void showAddress(int mode, int address);

private:
    // The addresses a refresh shows again: every one, or only the one written.
    struct Addresses
    {
        std::optional<int> only;

        bool take(int address) const { return !only || *only == address; }
    };

    void refreshDisplays(Addresses addresses);
    void refreshSliders(Addresses addresses);
    void refreshButtons(Addresses addresses);
    void refreshBandReadouts(Addresses addresses);
    void refreshKnobs();

    MainWindowContext& m_context;
    BandEditor& m_bands;
};

#pragma once

#include "MainWindowControls.h"
#include "TagNew.h"

#include <QString>
#include <array>
#include <optional>

// Which store entry each bound control of the design stands for, read from the controls'
// TagNew texts once when the window is built. The refresh and the edit handlers read these
// typed values; nothing parses a binding text on the way of an edit.
//
// Whether an entry lives in the current mode's slot or in the common one follows from its
// address (ParamModel::slotMode); a design whose scope word says otherwise is refused.
struct ControlBindings
{
    // Unbound elements are empty.
    std::array<std::optional<TagNew::SliderBinding>, MainWindowControls::SliderCount> sliders;
    std::array<std::optional<TagNew::DisplayBinding>, MainWindowControls::DigitDisplayCount>
        displays;
    // Two-way buttons: each pair shares one address.
    std::array<int, MainWindowControls::TwoWayButtonCount> buttons{};
    // The common selectors and the lock.
    int input = 0;
    int saveMode = 0;
    int modeChange = 0;
    int startMode = 0;
    int fourWay = 0;
    int lock = 0;

    // Nothing, with the first control whose binding does not read in error.
    static std::optional<ControlBindings> read(const MainWindowControls& controls, QString& error);
};

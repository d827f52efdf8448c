#pragma once

#include "BandKnobs.h"
#include "MainWindowControls.h"
#include "RefreshFlags.h"
#include "TagNew.h"

#include <array>
#include <optional>

class BandTable;
class EditSender;
class ParamModel;
class ShowNumber;
class SimpControl;
class UndoHistory;

// The band side of the window: which bands the current EQ group offers, which one is selected,
// how the band name, markers, read-outs and knobs show them, the band step buttons and the EQ
// on/off button.
class BandEditor
{
public:
    // The band controls: stepping, EQ on/off, markers, read-outs, knobs, and the band name with
    // its lines.
    struct Controls
    {
        SimpControl* previousBand;
        SimpControl* nextBand;
        SimpControl* bypassButton;
        std::array<SimpControl*, MainWindowControls::BandMarkerCount> markers;
        std::array<ShowNumber*, MainWindowControls::BandReadoutCount> readouts;
        BandKnobs knobs;
        SimpControl* name;
        SimpControl* lineLeft;
        SimpControl* lineRight;

        static Controls of(const MainWindowControls& c);
    };

    BandEditor(BandTable& bands, ParamModel& model, UndoHistory& undo, ControlsRefresh refresh,
               EditSender& sender, Controls controls);

    // Connects the step and EQ on/off buttons, the band markers and the three knobs.
    void attach();

    void LoadGroupBands();
    void ShowBandKnobs();
    // A cut has only a frequency: its gain and Q knobs are disabled while it is selected.
    void enableBandKnobs();
    void ShowBandIndicator();
    void ShowBandDots();
    void SelectBand(int index);

    // Binds the EQ on/off button, the markers and the read-outs to the current group's bands
    // and makes band 0 current; only bound markers and read-outs are shown.
    void bindGroup();

    // The current group's bypass address (EqGroup::None when it has none), and what each band
    // read-out and marker stands for: empty, or -1 for a marker, where nothing is bound.
    int bypassAddress() const { return m_bypassAddress; }
    const std::optional<TagNew::BandDisplayBinding>& readoutBinding(int readout) const
    {
        return m_readouts[readout];
    }
    int markerBand(int marker) const { return m_markerBands[marker]; }

    // A knob turned: the current band's field follows it, within what the band allows, and goes
    // to the processor.
    void knobChanged(ParamField field);

private:
    void step(int band);
    void bypassClicked();
    void markerClicked(int marker);

    BandTable& m_bands;
    ParamModel& m_model;
    UndoHistory& m_undo;
    ControlsRefresh m_refresh;
    EditSender& m_sender;
    Controls m_controls;
    int m_bypassAddress;
    std::array<int, MainWindowControls::BandMarkerCount> m_markerBands;
    std::array<std::optional<TagNew::BandDisplayBinding>, MainWindowControls::BandReadoutCount>
        m_readouts;
};

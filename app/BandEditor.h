#pragma once

#include "MainWindowControls.h"
#include "TagNew.h"

#include <array>
#include <optional>

class SimpControl;
struct MainWindowContext;

// The band side of the window: which bands the current EQ group offers, which one is selected,
// how the band name, markers, read-outs and knobs show them, the band step buttons and the EQ
// on/off button.
class BandEditor
{
public:
    explicit BandEditor(MainWindowContext& context);

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
    void knobChanged(int field);

private:
    void step(int band);
    void bypassClicked();
    void markerClicked(int marker);

    MainWindowContext& m_context;
    int m_bypassAddress;
    std::array<int, MainWindowControls::BandMarkerCount> m_markerBands;
    std::array<std::optional<TagNew::BandDisplayBinding>, MainWindowControls::BandReadoutCount>
        m_readouts;
};

#pragma once

#include "ParamField.h"

#include <QtGlobal>
#include <array>

class ParamModel;

enum class BandKind : int
{
    Peaking = 0,
    HighCut = 1,
    LowCut = 2
};

// One band of the graph: a peaking band, or the group's high or low cut.
struct EqBand
{
    float Frequency = 0; // Hz
    float Gain = 0;      // dB, 0 for the cuts
    float Q = 0;         // 1.4 for the cuts
    BandKind Kind = BandKind::Peaking;
    bool InUse = false;
    quint8 Address = 0;
};

// The working table of the current EQ group's bands: peaking bands in address order, then the
// high cut, then the low cut; and which of them is selected.
class BandTable
{
public:
    static constexpr int Capacity = 20;
    static constexpr float CutGain = 0;
    static constexpr float CutQ = 1.4f;

    // Rebuilds the table from the store for the model's current group and mode. A stored Q byte of
    // 0 is read as 1 and corrected in the store.
    void LoadGroupBands(ParamModel& model);
    // The same for any group and mode, leaving the model's own current ones alone.
    void LoadGroupBands(ParamModel& model, int mode, int group);

    int BandCount() const { return m_bandCount; }
    int CurrentBand() const { return m_currentBand; }
    void setCurrentBand(int band);
    const EqBand& band(int index) const;
    const EqBand& current() const { return band(m_currentBand); }

    // A knob changed one stored field of the current band: the record follows.
    void setCurrentField(ParamField field, quint8 byte);

    // Band stepping, wrapping at both ends.
    int nextBand() const;
    int previousBand() const;

    // The state of the band-name picture: the band index or 15 / 16 for the high / low cut, and
    // 18 further on for the offline pictures.
    int indicatorValue(bool online) const;

    // What a band read-out shows for a field of an address in a mode: the frequency in Hz, the
    // gain in dB x 10 or the Q x 10; reading a Q byte of 0 corrects it to 1 in the store.
    static int readout(ParamModel& model, int mode, int address, ParamField field);

private:
    std::array<EqBand, Capacity> m_bands{};
    int m_bandCount = 0;
    int m_currentBand = 0;
};

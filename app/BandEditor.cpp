#include "BandEditor.h"

#include "BandEncoding.h"
#include "BandTable.h"
#include "EditSender.h"
#include "EqGroupTable.h"
#include "Frames.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "UndoHistory.h"

#include <QWidget>

namespace {

constexpr int LowCutMarker = 16;
constexpr int LowCutReadout = 46;

} // namespace

BandEditor::BandEditor(MainWindowContext& context)
    : m_context(context)
    , m_bypassAddress(EqGroup::None)
{
    m_markerBands.fill(-1);
}

void BandEditor::attach()
{
    MainWindowControls& c = m_context.controls;
    QObject::connect(c.nextBand, &SimpControl::Click, &m_context.window,
                     [this] { step(m_context.bands.nextBand()); });
    QObject::connect(c.previousBand, &SimpControl::Click, &m_context.window,
                     [this] { step(m_context.bands.previousBand()); });
    QObject::connect(c.bypassButton, &SimpControl::Click, &m_context.window,
                     [this] { bypassClicked(); });
    for (int marker = 0; marker < MainWindowControls::BandMarkerCount; ++marker) {
        QObject::connect(c.bandMarkers[marker], &SimpControl::Click, &m_context.window,
                         [this, marker] { markerClicked(marker); });
    }
    const std::array<SkinnedSlider*, 3> knobs{c.frequencyKnob, c.gainKnob, c.qKnob};
    for (int field = 0; field < 3; ++field) {
        QObject::connect(knobs[field], &SkinnedSlider::Scroll, &m_context.window,
                         [this, field] { knobChanged(field); });
    }
}

void BandEditor::LoadGroupBands()
{
    m_context.bands.LoadGroupBands(m_context.model);
}

void BandEditor::ShowBandKnobs()
{
    const EqBand& band = m_context.bands.current();
    MainWindowControls& c = m_context.controls;
    c.frequencyKnob->setValue(BandEncoding::FreqToIndex(band.Frequency));
    c.gainKnob->setValue(BandEncoding::GainToByte(band.Gain));
    c.qKnob->setValue(BandEncoding::QToByte(band.Q));
    enableBandKnobs();
}

void BandEditor::enableBandKnobs()
{
    const bool peaking = m_context.bands.current().Kind == BandKind::Peaking;
    m_context.controls.gainKnob->setEnabled(peaking);
    m_context.controls.qKnob->setEnabled(peaking);
}

void BandEditor::ShowBandIndicator()
{
    const bool online = m_context.online();
    MainWindowControls& c = m_context.controls;
    c.bandName->setValue(m_context.bands.indicatorValue(online));
    c.bandLineLeft->setValue(online ? 0 : 1);
    c.bandLineRight->setValue(online ? 0 : 1);
}

void BandEditor::ShowBandDots()
{
    const int current = m_context.bands.CurrentBand();
    for (int marker = 0; marker < MainWindowControls::BandMarkerCount; ++marker) {
        m_context.controls.bandMarkers[marker]->setValue(m_markerBands[marker] == current ? 1 : 0);
    }
}

void BandEditor::markerClicked(int marker)
{
    if (m_markerBands[marker] >= 0) {
        SelectBand(m_markerBands[marker]);
    }
}

void BandEditor::SelectBand(int index)
{
    if (index != m_context.bands.CurrentBand()) {
        m_context.bands.setCurrentBand(index);
        ShowBandKnobs();
        ShowBandIndicator();
        ShowBandDots();
    }
    m_context.RefreshControls(RefreshFlags::Curve, RefreshFlags::AllAddresses);
}

void BandEditor::bindGroup()
{
    MainWindowControls& c = m_context.controls;
    m_bypassAddress = EqGroupTable::instance().group(m_context.model.currentEqGroup()).bypass;
    LoadGroupBands();
    m_context.bands.setCurrentBand(0);

    m_markerBands.fill(-1);
    m_readouts.fill(std::nullopt);
    for (SimpControl* marker : c.bandMarkers) {
        marker->setUserHightCutPic(false);
    }
    const BandTable& bands = m_context.bands;
    for (int i = 0; i < bands.BandCount(); ++i) {
        const EqBand& band = bands.band(i);
        const auto bindReadout = [&](int readout, int field) {
            m_readouts[readout] = TagNew::BandDisplayBinding{band.Address, field, i};
        };
        switch (band.Kind) {
        case BandKind::LowCut:
            m_markerBands[LowCutMarker] = i;
            bindReadout(LowCutReadout, 0);
            break;
        case BandKind::HighCut:
            c.bandMarkers[i]->setUserHightCutPic(true);
            m_markerBands[i] = i;
            bindReadout(3 * i, 0);
            break;
        case BandKind::Peaking:
            m_markerBands[i] = i;
            for (int field = 0; field < 3; ++field) {
                bindReadout(3 * i + field, field);
            }
            break;
        }
    }
    for (int marker = 0; marker < MainWindowControls::BandMarkerCount; ++marker) {
        c.bandMarkers[marker]->setVisible(m_markerBands[marker] >= 0);
    }
    for (int readout = 0; readout < MainWindowControls::BandReadoutCount; ++readout) {
        c.bandReadouts[readout]->setVisible(m_readouts[readout].has_value());
    }
}

void BandEditor::knobChanged(int field)
{
    MainWindowControls& c = m_context.controls;
    SkinnedSlider* knob = field == 0 ? c.frequencyKnob : field == 1 ? c.gainKnob : c.qKnob;
    const EqBand& band = m_context.bands.current();
    const int group = m_context.model.currentEqGroup();
    // A cut filter has only a frequency, within its group's range (its gain and Q knobs are
    // disabled).
    if (band.Kind != BandKind::Peaking && field == 0) {
        const auto value = quint8(knob->value());
        knob->setValue(band.Kind == BandKind::LowCut
                           ? BandEncoding::ClampLowCutIndex(value, group)
                           : BandEncoding::ClampHighCutIndex(value, group));
    }
    m_context.undo.NoteChange();
    const auto byte = quint8(knob->value());
    m_context.bands.setCurrentField(field, byte);
    const int mode = m_context.model.currentMode();
    m_context.model.store().setValue(field, mode, band.Address, byte);
    m_context.RefreshControls(RefreshFlags::Curve | RefreshFlags::BandReadouts,
                              m_context.bands.CurrentBand());
    m_context.sender.sendWhileDisabled(knob, mode, band.Address, Frames::StoredBytes);
}

void BandEditor::step(int band)
{
    m_context.bands.setCurrentBand(band);
    ShowBandIndicator();
    ShowBandDots();
    m_context.RefreshControls(RefreshFlags::Curve | RefreshFlags::Knobs,
                              RefreshFlags::AllAddresses);
}

void BandEditor::bypassClicked()
{
    m_context.undo.SaveUndo();
    SimpControl* button = m_context.controls.bypassButton;
    if (m_bypassAddress != EqGroup::None) {
        m_context.model.store().setValue(0, m_context.model.currentMode(), m_bypassAddress,
                                         quint8(button->value()));
        m_context.sender.sendWithWindowDisabled(m_context.model.currentMode(), m_bypassAddress,
                                                button->value());
    } else {
        button->setValue(0);
    }
    m_context.RefreshControls(RefreshFlags::Curve, RefreshFlags::AllAddresses);
}

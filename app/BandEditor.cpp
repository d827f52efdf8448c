#include "BandEditor.h"

#include "BandEncoding.h"
#include "BandTable.h"
#include "EditSender.h"
#include "EqGroupTable.h"
#include "Frames.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "UndoHistory.h"

#include <utility>

namespace {

constexpr int LowCutMarker = 16;
constexpr int LowCutReadout = 46;

} // namespace

BandEditor::Controls BandEditor::Controls::of(const MainWindowControls& c)
{
    return {c.previousBand,   c.nextBand, c.bypassButton, c.bandMarkers,  c.bandReadouts,
            BandKnobs::of(c), c.bandName, c.bandLineLeft, c.bandLineRight};
}

BandEditor::BandEditor(BandTable& bands, ParamModel& model, UndoHistory& undo,
                       ControlsRefresh refresh, EditSender& sender, Controls controls)
    : m_bands(bands)
    , m_model(model)
    , m_undo(undo)
    , m_refresh(std::move(refresh))
    , m_sender(sender)
    , m_controls(controls)
    , m_bypassAddress(EqGroup::None)
{
    m_markerBands.fill(-1);
}

void BandEditor::attach()
{
    // Each connection lives as long as the control it comes from.
    const Controls& c = m_controls;
    QObject::connect(c.nextBand, &SimpControl::Click, c.nextBand,
                     [this] { step(m_bands.nextBand()); });
    QObject::connect(c.previousBand, &SimpControl::Click, c.previousBand,
                     [this] { step(m_bands.previousBand()); });
    QObject::connect(c.bypassButton, &SimpControl::Click, c.bypassButton,
                     [this] { bypassClicked(); });
    for (int marker = 0; marker < MainWindowControls::BandMarkerCount; ++marker) {
        QObject::connect(c.markers[marker], &SimpControl::Click, c.markers[marker],
                         [this, marker] { markerClicked(marker); });
    }
    for (ParamField field : AllParamFields) {
        SkinnedSlider* knob = c.knobs.field(field);
        QObject::connect(knob, &SkinnedSlider::Scroll, knob, [this, field] { knobChanged(field); });
    }
}

void BandEditor::LoadGroupBands()
{
    m_bands.LoadGroupBands(m_model);
}

void BandEditor::ShowBandKnobs()
{
    const EqBand& band = m_bands.current();
    const BandKnobs& knobs = m_controls.knobs;
    knobs.frequency->setValue(BandEncoding::FreqToIndex(band.Frequency));
    knobs.gain->setValue(BandEncoding::GainToByte(band.Gain));
    knobs.q->setValue(BandEncoding::QToByte(band.Q));
    enableBandKnobs();
}

void BandEditor::enableBandKnobs()
{
    const bool peaking = m_bands.current().Kind == BandKind::Peaking;
    m_controls.knobs.gain->setEnabled(peaking);
    m_controls.knobs.q->setEnabled(peaking);
}

void BandEditor::ShowBandIndicator()
{
    const bool online = m_sender.online();
    m_controls.name->setValue(m_bands.indicatorValue(online));
    m_controls.lineLeft->setValue(online ? 0 : 1);
    m_controls.lineRight->setValue(online ? 0 : 1);
}

void BandEditor::ShowBandDots()
{
    const int current = m_bands.CurrentBand();
    for (int marker = 0; marker < MainWindowControls::BandMarkerCount; ++marker) {
        m_controls.markers[marker]->setValue(m_markerBands[marker] == current ? 1 : 0);
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
    if (index != m_bands.CurrentBand()) {
        m_bands.setCurrentBand(index);
        ShowBandKnobs();
        ShowBandIndicator();
        ShowBandDots();
    }
    m_refresh(Refresh::Curve);
}

void BandEditor::bindGroup()
{
    const Controls& c = m_controls;
    m_bypassAddress = EqGroupTable::instance().group(m_model.currentEqGroup()).bypass;
    LoadGroupBands();
    m_bands.setCurrentBand(0);

    m_markerBands.fill(-1);
    m_readouts.fill(std::nullopt);
    for (SimpControl* marker : c.markers) {
        marker->setUserHightCutPic(false);
    }
    const BandTable& bands = m_bands;
    for (int i = 0; i < bands.BandCount(); ++i) {
        const EqBand& band = bands.band(i);
        const auto bindReadout = [&](int readout, ParamField field) {
            m_readouts[readout] = TagNew::BandDisplayBinding{band.Address, field, i};
        };
        switch (band.Kind) {
        case BandKind::LowCut:
            m_markerBands[LowCutMarker] = i;
            bindReadout(LowCutReadout, ParamField::Value);
            break;
        case BandKind::HighCut:
            c.markers[i]->setUserHightCutPic(true);
            m_markerBands[i] = i;
            bindReadout(3 * i, ParamField::Value);
            break;
        case BandKind::Peaking:
            m_markerBands[i] = i;
            for (ParamField field : AllParamFields) {
                bindReadout(3 * i + fieldIndex(field), field);
            }
            break;
        }
    }
    for (int marker = 0; marker < MainWindowControls::BandMarkerCount; ++marker) {
        c.markers[marker]->setVisible(m_markerBands[marker] >= 0);
    }
    for (int readout = 0; readout < MainWindowControls::BandReadoutCount; ++readout) {
        c.readouts[readout]->setVisible(m_readouts[readout].has_value());
    }
}

void BandEditor::knobChanged(ParamField field)
{
    SkinnedSlider* knob = m_controls.knobs.field(field);
    const EqBand& band = m_bands.current();
    const int group = m_model.currentEqGroup();
    // A cut filter has only a frequency, within its group's range (its gain and Q knobs are
    // disabled).
    if (band.Kind != BandKind::Peaking && field == ParamField::Value) {
        const auto value = quint8(knob->value());
        knob->setValue(band.Kind == BandKind::LowCut
                           ? BandEncoding::ClampLowCutIndex(value, group)
                           : BandEncoding::ClampHighCutIndex(value, group));
    }
    m_undo.NoteChange();
    const auto byte = quint8(knob->value());
    m_bands.setCurrentField(field, byte);
    const int mode = m_model.currentMode();
    m_model.setValue(field, mode, band.Address, byte);
    m_refresh(Refresh::Curve);
    m_sender.sendWhileDisabled(knob, mode, band.Address, Frames::StoredBytes);
}

void BandEditor::step(int band)
{
    m_bands.setCurrentBand(band);
    ShowBandIndicator();
    ShowBandDots();
    m_refresh(Refresh::Curve | Refresh::Knobs);
}

void BandEditor::bypassClicked()
{
    m_undo.SaveUndo();
    SimpControl* button = m_controls.bypassButton;
    if (m_bypassAddress != EqGroup::None) {
        m_model.setValue(ParamField::Value, m_model.currentMode(), m_bypassAddress,
                         quint8(button->value()));
        m_sender.sendWithWindowDisabled(m_model.currentMode(), m_bypassAddress, button->value());
    } else {
        button->setValue(0);
    }
    m_refresh(Refresh::Curve);
}

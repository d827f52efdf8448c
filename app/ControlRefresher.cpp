#include "ControlRefresher.h"

#include "BandEditor.h"
#include "BandEncoding.h"
#include "BandTable.h"
#include "ControlBindings.h"
#include "EqGroupTable.h"
#include "FormatParam.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "ParamRanges.h"
#include "RefreshFlags.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"

#include <QWidget>

namespace {

// A pair of selector buttons shows one stored byte: element 0 lit for 0, element 1 for 1; any
// other byte leaves the pair as it is.
template <class Pair>
void showPair(const Pair& pair, int byte)
{
    if (byte <= 1) {
        pair[0]->setValue(1 - byte);
        pair[1]->setValue(byte);
    }
}

} // namespace

ControlRefresher::ControlRefresher(MainWindowContext& context, BandEditor& bands)
    : m_context(context)
    , m_bands(bands)
{}

void ControlRefresher::RefreshControls(int flags, int filter)
{
    namespace Flag = RefreshFlags;
    if (flags & Flag::BandList) {
        m_bands.LoadGroupBands();
        m_bands.ShowBandKnobs();
        m_bands.ShowBandIndicator();
    }
    if (flags & Flag::Displays) {
        refreshDisplays(filter);
    }
    if (flags & Flag::Sliders) {
        refreshSliders();
    }
    if (flags & Flag::Buttons) {
        refreshButtons();
    }
    if (flags & Flag::BandReadouts) {
        refreshBandReadouts(filter);
    }
    if (flags & Flag::Knobs) {
        refreshKnobs();
    }
}

void ControlRefresher::refreshDisplays(int filter)
{
    ParamModel& model = m_context.model;
    const MainWindowControls& c = m_context.controls;
    for (std::size_t i = 0; i < c.digitDisplays.size(); ++i) {
        const auto& binding = m_context.bindings.displays[i];
        if (!binding || (filter != RefreshFlags::AllAddresses && binding->address != filter)) {
            continue;
        }
        c.digitDisplays[i]->setValue(
            FormatParam(model.store().entry(0, model.slotMode(binding->address), binding->address),
                        binding->field));
    }
}

void ControlRefresher::refreshSliders()
{
    const ParamModel& model = m_context.model;
    const MainWindowControls& c = m_context.controls;
    for (std::size_t i = 0; i < c.sliders.size(); ++i) {
        if (const auto& binding = m_context.bindings.sliders[i]) {
            c.sliders[i]->setValue(
                model.store().value(0, model.slotMode(binding->address), binding->address));
        }
    }
}

void ControlRefresher::refreshButtons()
{
    const ParamModel& model = m_context.model;
    const ControlBindings& b = m_context.bindings;
    MainWindowControls& c = m_context.controls;
    const auto common = [&model](int address) {
        return model.store().value(0, 0, address);
    };
    // A selector shows only the states it has pictures for; any other byte leaves it as it is.
    if (const int input = common(b.input); input <= ParamRanges::InputMax) {
        c.inputDisplay->setValue(input);
    }
    showPair(c.saveModeButtons, common(b.saveMode));
    showPair(c.modeChangeButtons, common(b.modeChange));

    const int bypass = m_bands.bypassAddress();
    c.bypassButton->setValue(
        bypass == EqGroup::None ? 0 : model.store().value(0, model.currentMode(), bypass));

    for (std::size_t i = 0; i < c.twoWayButtons.size(); ++i) {
        const int byte = model.store().value(0, model.currentMode(), b.buttons[i]);
        if (byte <= 1) {
            c.twoWayButtons[i]->setValue(i % 2 == 0 ? 1 - byte : byte);
        }
    }
    if (const int startMode = common(b.startMode); startMode <= ParamRanges::StartModeMax) {
        c.startModeDisplay->setValue(startMode);
    }
    if (const int fourWay = common(b.fourWay); fourWay <= ParamRanges::FourWayMax) {
        c.fourWayDisplay->setValue(fourWay);
    }
    // The lock shows the processor's lock state too, or its first press after a synchronisation
    // with a locked processor would lock it again instead of unlocking it.
    if (const int lock = common(b.lock); lock <= 1) {
        c.lockButton->setValue(lock);
    }
}

void ControlRefresher::refreshBandReadouts(int filter)
{
    m_bands.ShowBandDots();
    ParamModel& model = m_context.model;
    const MainWindowControls& c = m_context.controls;
    for (std::size_t i = 0; i < c.bandReadouts.size(); ++i) {
        const auto& binding = m_bands.readoutBinding(int(i));
        if (binding && (filter == RefreshFlags::AllAddresses || binding->band == filter)) {
            c.bandReadouts[i]->setValue(
                BandTable::readout(model, model.currentMode(), binding->address, binding->field));
        }
    }
}

void ControlRefresher::refreshKnobs()
{
    const ParamModel& model = m_context.model;
    const EqBand& band = m_context.bands.current();
    ParamStore::Fields fields = model.store().fields(model.currentMode(), band.Address);
    if (band.Kind != BandKind::Peaking) {
        // A cut filter's address holds only its frequency; the gain and Q knobs show the flat
        // 0 dB and Q 1.4 of its band record, not the unused bytes beside it.
        fields[1] = BandEncoding::GainToByte(band.Gain);
        fields[2] = BandEncoding::QToByte(band.Q);
    }
    m_context.controls.frequencyKnob->setValue(fields[0]);
    m_context.controls.gainKnob->setValue(fields[1]);
    m_context.controls.qKnob->setValue(fields[2]);
    m_bands.enableBandKnobs();
}

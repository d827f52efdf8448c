#include "ControlRefresher.h"

#include "BandEditor.h"
#include "BandEncoding.h"
#include "BandKnobs.h"
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

constexpr int AnyByte = 0xFF; // the EQ on/off button shows whatever is stored

// A pair of selector buttons shows one stored byte, 0 or 1: element 0 lit for 0, element 1 for 1.
template <class Pair>
void showPair(const Pair& pair, int byte)
{
    pair[0]->setValue(1 - byte);
    pair[1]->setValue(byte);
}

} // namespace

ControlRefresher::ControlRefresher(MainWindowContext& context, BandEditor& bands)
    : m_context(context)
    , m_bands(bands)
{}

void ControlRefresher::RefreshControls(RefreshFlags flags)
{
    if (flags & Refresh::BandList) {
        m_bands.LoadGroupBands();
        m_bands.ShowBandKnobs();
        m_bands.ShowBandIndicator();
    }
    if (flags & Refresh::Displays) {
        refreshDisplays({});
    }
    if (flags & Refresh::Sliders) {
        refreshSliders({});
    }
    if (flags & Refresh::Buttons) {
        refreshButtons({});
    }
    if (flags & Refresh::BandReadouts) {
        refreshBandReadouts({});
    }
    if (flags & Refresh::Knobs) {
        refreshKnobs();
    }
}

void ControlRefresher::showAddress(int mode, int address)
{
    if (mode != m_context.model.slotMode(address)) {
        return; // another mode's slot: nothing shows it
    }
    const Addresses written{address};
    refreshDisplays(written);
    refreshSliders(written);
    refreshButtons(written);
    refreshBandReadouts(written);
    if (address == m_context.bands.current().Address) {
        refreshKnobs();
    }
}

void ControlRefresher::refreshDisplays(Addresses addresses)
{
    ParamModel& model = m_context.model;
    const MainWindowControls& c = m_context.controls;
    for (std::size_t i = 0; i < c.digitDisplays.size(); ++i) {
        const auto& binding = m_context.bindings.displays[i];
        if (!binding || !addresses.take(binding->address)) {
            continue;
        }
        c.digitDisplays[i]->setValue(
            FormatParam(model.store().entry(ParamField::Value, model.slotMode(binding->address),
                                            binding->address),
                        binding->field));
    }
}

void ControlRefresher::refreshSliders(Addresses addresses)
{
    const ParamModel& model = m_context.model;
    const MainWindowControls& c = m_context.controls;
    for (std::size_t i = 0; i < c.sliders.size(); ++i) {
        const auto& binding = m_context.bindings.sliders[i];
        if (binding && addresses.take(binding->address)) {
            c.sliders[i]->setValue(model.store().value(
                ParamField::Value, model.slotMode(binding->address), binding->address));
        }
    }
}

void ControlRefresher::refreshButtons(Addresses addresses)
{
    const ParamModel& model = m_context.model;
    const ControlBindings& b = m_context.bindings;
    MainWindowControls& c = m_context.controls;
    // A selector shows only the states it has pictures for; any other byte leaves it as it is.
    const auto shown = [&](int mode, int address, int highest) -> std::optional<int> {
        const int byte = model.store().value(ParamField::Value, mode, address);
        if (!addresses.take(address) || byte > highest) {
            return std::nullopt;
        }
        return byte;
    };
    const int mode = model.currentMode();
    if (const auto input = shown(0, b.input, ParamRanges::InputMax)) {
        c.inputDisplay->setValue(*input);
    }
    if (const auto saveMode = shown(0, b.saveMode, 1)) {
        showPair(c.saveModeButtons, *saveMode);
    }
    if (const auto modeChange = shown(0, b.modeChange, 1)) {
        showPair(c.modeChangeButtons, *modeChange);
    }

    const int bypass = m_bands.bypassAddress();
    if (bypass == EqGroup::None) {
        if (!addresses.only) {
            c.bypassButton->setValue(0);
        }
    } else if (const auto on = shown(mode, bypass, AnyByte)) {
        c.bypassButton->setValue(*on);
    }

    for (std::size_t i = 0; i < c.twoWayButtons.size(); ++i) {
        if (const auto byte = shown(mode, b.buttons[i], 1)) {
            c.twoWayButtons[i]->setValue(i % 2 == 0 ? 1 - *byte : *byte);
        }
    }
    if (const auto startMode = shown(0, b.startMode, ParamRanges::StartModeMax)) {
        c.startModeDisplay->setValue(*startMode);
    }
    if (const auto fourWay = shown(0, b.fourWay, ParamRanges::FourWayMax)) {
        c.fourWayDisplay->setValue(*fourWay);
    }
    // The lock shows the processor's lock state too, or its first press after a synchronisation
    // with a locked processor would lock it again instead of unlocking it.
    if (const auto lock = shown(0, b.lock, 1)) {
        c.lockButton->setValue(*lock);
    }
}

void ControlRefresher::refreshBandReadouts(Addresses addresses)
{
    m_bands.ShowBandDots();
    ParamModel& model = m_context.model;
    const MainWindowControls& c = m_context.controls;
    for (std::size_t i = 0; i < c.bandReadouts.size(); ++i) {
        const auto& binding = m_bands.readoutBinding(int(i));
        if (binding && addresses.take(binding->address)) {
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
        fields[fieldIndex(ParamField::Gain)] = BandEncoding::GainToByte(band.Gain);
        fields[fieldIndex(ParamField::Q)] = BandEncoding::QToByte(band.Q);
    }
    const BandKnobs knobs = BandKnobs::of(m_context.controls);
    for (ParamField field : AllParamFields) {
        knobs.field(field)->setValue(fields[fieldIndex(field)]);
    }
    m_bands.enableBandKnobs();
}

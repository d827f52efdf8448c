#include "ControlRefresher.h"

#include "BandEditor.h"
#include "BandTable.h"
#include "EqGroupTable.h"
#include "FormatParam.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "ParamModel.h"
#include "ScrollBar.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "TagNew.h"

#include <QWidget>

namespace {

constexpr int MaxInput = 6;
constexpr int MaxStartMode = 7;
constexpr int MaxFourWay = 3;

QString controlName(const QString& name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

// The byte in field 0 of a selector's address in the mode-0 slot, where the selectors keep theirs.
quint8 commonByte(const ParamModel& model, const SimpControl* selector)
{
    return model.store().value(0, 0, MainWindowContext::boundAddress(selector));
}

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

bool ControlRefresher::checkBindings(QString& error) const
{
    const MainWindowControls& c = m_context.controls;
    const auto fail = [&](const QString& control, const QString& tag) {
        error = QStringLiteral("The window design binds %1 to \"%2\", which does not name a "
                               "parameter.")
                    .arg(control, tag);
        return false;
    };
    for (std::size_t i = 0; i < c.MyNumber.size(); ++i) {
        const QString tag = c.MyNumber[i]->tagNew();
        if (!tag.isEmpty() && !TagNew::parseDisplay(tag)) {
            return fail(controlName(QStringLiteral("MyNumber"), int(i)), tag);
        }
    }
    for (std::size_t i = 0; i < c.MyScrollBar.size(); ++i) {
        const QString tag = c.MyScrollBar[i]->tagNew();
        if (!tag.isEmpty() && !TagNew::parseSlider(tag)) {
            return fail(controlName(QStringLiteral("MyScrollBar"), int(i)), tag);
        }
    }
    const QList<QPair<QString, SimpControl*>> selectors{
        {QStringLiteral("btnInput"), c.btnInput},
        {QStringLiteral("btnSaveMode(0)"), c.btnSaveMode[0]},
        {QStringLiteral("btnModeChange(0)"), c.btnModeChange[0]},
        {QStringLiteral("btnShowStartMode"), c.btnShowStartMode},
        {QStringLiteral("btnFBX"), c.btnFBX},
        {QStringLiteral("btnLock"), c.btnLock},
    };
    for (const auto& [name, control] : selectors) {
        if (!TagNew::parseAddress(control->tagNew())) {
            return fail(name, control->tagNew());
        }
    }
    for (std::size_t i = 0; i < c.MyButton.size(); ++i) {
        if (!TagNew::parseAddress(c.MyButton[i]->tagNew())) {
            return fail(controlName(QStringLiteral("MyButton"), int(i)), c.MyButton[i]->tagNew());
        }
    }
    return true;
}

void ControlRefresher::RefreshControls(int flags, int filter)
{
    using Flag = MainWindowContext::RefreshFlag;
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
    for (ShowNumber* display : m_context.controls.MyNumber) {
        const auto binding = TagNew::parseDisplay(display->tagNew());
        if (!binding || (filter != MainWindowContext::AllAddresses && binding->address != filter)) {
            continue;
        }
        const int mode = binding->scope == TagNew::Scope::Group ? model.currentMode() : 0;
        display->setValue(
            FormatParam(model.store().entry(0, mode, binding->address), binding->field));
    }
}

void ControlRefresher::refreshSliders()
{
    const ParamModel& model = m_context.model;
    for (ScrollBar* slider : m_context.controls.MyScrollBar) {
        if (const auto binding = TagNew::parseSlider(slider->tagNew())) {
            const int mode = binding->scope == TagNew::Scope::Group ? model.currentMode() : 0;
            slider->setValue(model.store().value(0, mode, binding->address));
        }
    }
}

void ControlRefresher::refreshButtons()
{
    const ParamModel& model = m_context.model;
    MainWindowControls& c = m_context.controls;
    // A selector shows only the states it has pictures for; any other byte leaves it as it is.
    if (const int input = commonByte(model, c.btnInput); input <= MaxInput) {
        c.btnInput->setValue(input);
    }
    showPair(c.btnSaveMode, commonByte(model, c.btnSaveMode[0]));
    showPair(c.btnModeChange, commonByte(model, c.btnModeChange[0]));

    const auto bypass = TagNew::parseAddress(c.btnEQByPass->tagNew());
    c.btnEQByPass->setValue(!bypass || *bypass == EqGroup::None
                                ? 0
                                : model.store().value(0, model.currentMode(), *bypass));

    for (std::size_t i = 0; i < c.MyButton.size(); ++i) {
        const int address = MainWindowContext::boundAddress(c.MyButton[i]);
        const int byte = model.store().value(0, model.currentMode(), address);
        if (byte <= 1) {
            c.MyButton[i]->setValue(i % 2 == 0 ? 1 - byte : byte);
        }
    }
    if (const int startMode = commonByte(model, c.btnShowStartMode); startMode <= MaxStartMode) {
        c.btnShowStartMode->setValue(startMode);
    }
    if (const int fourWay = commonByte(model, c.btnFBX); fourWay <= MaxFourWay) {
        c.btnFBX->setValue(fourWay);
    }
    // The lock shows the processor's lock state too, or its first press after a synchronisation
    // with a locked processor would lock it again instead of unlocking it.
    if (const int lock = commonByte(model, c.btnLock); lock <= 1) {
        c.btnLock->setValue(lock);
    }
}

void ControlRefresher::refreshBandReadouts(int filter)
{
    m_bands.ShowBandDots();
    ParamModel& model = m_context.model;
    for (ShowNumber* readout : m_context.controls.ShowNumberDot) {
        const auto binding = TagNew::parseBandDisplay(readout->tagNew());
        if (binding && (filter == MainWindowContext::AllAddresses || binding->band == filter)) {
            readout->setValue(
                BandTable::readout(model, model.currentMode(), binding->address, binding->field));
        }
    }
}

void ControlRefresher::refreshKnobs()
{
    const ParamModel& model = m_context.model;
    const int address = m_context.bands.current().Address;
    const ParamStore::Fields fields = model.store().fields(model.currentMode(), address);
    m_context.controls.MKnobFreq->setValue(fields[0]);
    m_context.controls.MKnobDb->setValue(fields[1]);
    m_context.controls.MKnobQ->setValue(fields[2]);
}

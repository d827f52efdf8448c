#include "MainCommands.h"

#include "BandEditor.h"
#include "ControlBindings.h"
#include "DeviceLink.h"
#include "EditSender.h"
#include "EqGroupTable.h"
#include "Frames.h"
#include "MainWindowControls.h"
#include "PanelTabs.h"
#include "ParamModel.h"
#include "ParamRanges.h"
#include "RefreshFlags.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"
#include "Twips.h"
#include "UndoHistory.h"
#include "WindowLayout.h"

#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <utility>

MainCommands::Controls MainCommands::Controls::of(const MainWindowControls& c)
{
    return {c.groupTabs,       c.groupMarker,       c.panelsTab,      c.bandPanel,
            c.bandValueEntry,  c.parameterPanels,   c.panelTabStrips, c.modeUp,
            c.modeDown,        c.modeNumber,        c.inputArrows,    c.startModeArrows,
            c.saveModeButtons, c.modeChangeButtons, c.fourWayUp,      c.fourWayDown,
            c.fourWayDisplay,  c.groupResetButton,  c.toneKey};
}

MainCommands::MainCommands(ParamModel& model, const ControlBindings& bindings, UndoHistory& undo,
                           ControlsRefresh refresh, EditSender& sender, DeviceLink& link,
                           BandEditor& bands, WindowLayout& layout, const QWidget& window,
                           QTimer& toneReset, Controls controls)
    : m_model(model)
    , m_bindings(bindings)
    , m_undo(undo)
    , m_refresh(std::move(refresh))
    , m_sender(sender)
    , m_link(link)
    , m_bands(bands)
    , m_layout(layout)
    , m_window(window)
    , m_toneReset(toneReset)
    , m_controls(controls)
{}

void MainCommands::attach()
{
    // Each connection lives as long as the control or timer it comes from; the link's
    // notification, as long as the tone key it resets.
    const Controls& c = m_controls;
    for (int group = 0; group < MainWindowControls::GroupTabCount; ++group) {
        QObject::connect(c.groupTabs[group], &SimpControl::Click, c.groupTabs[group],
                         [this, group] { selectGroup(group); });
    }
    QObject::connect(c.panelsTab, &SimpControl::Click, c.panelsTab,
                     [this] { showParameterPanels(); });
    QObject::connect(c.modeUp, &SimpControl::Click, c.modeUp,
                     [this] { stepMode(-1, m_controls.modeUp); });
    QObject::connect(c.modeDown, &SimpControl::Click, c.modeDown,
                     [this] { stepMode(+1, m_controls.modeDown); });
    for (int element : {0, 1}) {
        QObject::connect(c.inputArrows[element], &SimpControl::Click, c.inputArrows[element],
                         [this, element] { stepInput(element); });
        QObject::connect(c.startModeArrows[element], &SimpControl::Click,
                         c.startModeArrows[element], [this, element] { stepStartMode(element); });
        QObject::connect(c.saveModeButtons[element], &SimpControl::Click,
                         c.saveModeButtons[element], [this, element] { setSaveMode(element); });
        QObject::connect(c.modeChangeButtons[element], &SimpControl::Click,
                         c.modeChangeButtons[element], [this, element] { setModeChange(element); });
    }
    QObject::connect(c.fourWayUp, &SimpControl::Click, c.fourWayUp, [this] { stepFourWay(-1); });
    QObject::connect(c.fourWayDown, &SimpControl::Click, c.fourWayDown,
                     [this] { stepFourWay(+1); });
    QObject::connect(c.groupResetButton, &SimpControl::Click, c.groupResetButton,
                     [this] { resetGroup(); });
    QObject::connect(c.toneKey, &SkinnedSlider::Scroll, c.toneKey, [this] { toneMoved(); });
    QObject::connect(&m_toneReset, &QTimer::timeout, &m_toneReset, [this] { toneResetTick(); });
    QObject::connect(&m_link, &DeviceLink::notificationReceived, c.toneKey,
                     [this] { toneReturnedToNeutral(); });
    for (SimpControl* panel : c.panelTabStrips) {
        QObject::connect(panel, &SimpControl::MouseDown, panel,
                         [this](int, int, float x, float y) { panelPressed(x, y); });
    }
}

void MainCommands::selectGroup(int group)
{
    const Controls& c = m_controls;
    for (SimpControl* tab : c.groupTabs) {
        tab->setValue(0);
    }
    c.groupTabs[group]->setValue(1);
    c.panelsTab->setValue(0);
    m_model.setCurrentEqGroup(group);
    c.parameterPanels[m_currentTab]->hide();
    c.bandPanel->show();
    c.bandValueEntry->hide();
    placeGroupMarker();
    m_bands.bindGroup();
    m_refresh(Refresh::Everything);
}

void MainCommands::placeGroupMarker()
{
    // Centred under the selected tab's design place, so that it follows the tabs wherever the
    // design puts them and scales with them.
    const Controls& c = m_controls;
    const QRectF tab = m_layout.designGeometry(c.groupTabs[m_model.currentEqGroup()]);
    QRectF design = m_layout.designGeometry(c.groupMarker);
    design.moveLeft(tab.center().x() - design.width() / 2);
    m_layout.place(c.groupMarker, design);
}

void MainCommands::showParameterPanels()
{
    const Controls& c = m_controls;
    c.panelsTab->setValue(1);
    c.parameterPanels[m_currentTab]->show();
    c.bandPanel->hide();
}

void MainCommands::stepMode(int delta, SimpControl* arrow)
{
    ParamModel& model = m_model;
    model.setCurrentMode(qBound(0, model.currentMode() + delta, ParamStore::ModeCount - 1));
    m_controls.modeNumber->setValue(model.currentMode());
    m_refresh(Refresh::Everything);
    // The processor switches modes even when the window's mode stayed at its limit.
    m_sender.sendWhileDisabled(arrow, model.currentMode(), 0, 0, Frames::Type::ModeSelect);
}

QCoro::Task<> MainCommands::stepInput(int element)
{
    SimpControl* arrow = m_controls.inputArrows[element];
    arrow->setControlEnabled(false);
    const int address = m_bindings.input;
    const int before = m_model.store().value(ParamField::Value, 0, address);
    int after = before;
    if (element == 1 && before < ParamRanges::InputMax) {
        after = before + 1;
    } else if (element == 0 && before > 0) {
        after = before - 1;
    }
    if (after != before) {
        m_model.setValue(ParamField::Value, 0, address, quint8(after));
        co_await m_sender.write(0, address, after);
    }
    arrow->setControlEnabled(true);
}

void MainCommands::stepStartMode(int element)
{
    const int address = m_bindings.startMode;
    const int byte = m_model.store().value(ParamField::Value, 0, address);
    if (element == 1 && byte < ParamRanges::StartModeMax) {
        m_model.setValue(ParamField::Value, 0, address, quint8(byte + 1));
    } else if (element == 0 && byte > 0) {
        m_model.setValue(ParamField::Value, 0, address, quint8(byte - 1));
    }
    // Not sent: the processor gets it with the next whole upload.
}

void MainCommands::setSaveMode(int element)
{
    m_model.setValue(ParamField::Value, 0, m_bindings.saveMode, quint8(element));
}

void MainCommands::setModeChange(int element)
{
    SimpControl* button = m_controls.modeChangeButtons[element];
    const int address = m_bindings.modeChange;
    m_model.setValue(ParamField::Value, 0, address, quint8(element));
    m_sender.sendWhileDisabled(button, 0, address, element);
}

void MainCommands::stepFourWay(int delta)
{
    SimpControl* display = m_controls.fourWayDisplay;
    if (delta > 0) {
        m_undo.SaveUndo();
    }
    display->setValue(qBound(0, display->value() + delta, ParamRanges::FourWayMax));
    const int address = m_bindings.fourWay;
    m_model.setValue(ParamField::Value, 0, address, quint8(display->value()));
    m_sender.sendWithWindowDisabled(0, address, display->value());
}

void MainCommands::resetGroup()
{
    ParamModel& model = m_model;
    // The group and mode that are reset: the processor must get the bands the store now holds.
    const int group = model.currentEqGroup();
    const int mode = model.currentMode();
    m_undo.SaveUndo();
    model.InitDefaults(ParamModel::EqGroupReset);
    // The bound controls have followed the store; the band list and curve are drawn from it.
    m_refresh(Refresh::BandList | Refresh::Curve);
    m_sender.sendAddresses(mode, EqGroupTable::instance().group(group).resetAddresses());
}

QCoro::Task<> MainCommands::toneMoved()
{
    m_undo.NoteChange();
    SkinnedSlider* tone = m_controls.toneKey;
    if (!m_sender.online()) {
        m_toneReset.start();
        co_return;
    }
    const int value = tone->value();
    const bool sent = co_await m_sender.sendWhileDisabled(tone, 0, ParamRanges::ToneAddress, value);
    if (sent) {
        // The next whole upload carries the key the processor now has, not the one read when
        // the link came up.
        m_model.setValue(ParamField::Value, 0, ParamRanges::ToneAddress, quint8(value));
    }
}

void MainCommands::toneReturnedToNeutral()
{
    // The processor's notification: its key is neutral again, and so is the stored byte.
    m_controls.toneKey->setValue(ParamRanges::ToneNeutral);
    m_model.setValue(ParamField::Value, 0, ParamRanges::ToneAddress, ParamRanges::ToneNeutral);
}

void MainCommands::toneResetTick()
{
    if (!m_sender.online()) {
        m_controls.toneKey->setValue(ParamRanges::ToneNeutral);
    }
}

void MainCommands::panelPressed(float x, float y)
{
    // The press comes in the panel's twips as the window is scaled; the tabs are drawn on the
    // panel picture in its design pixels.
    const QSizeF s = m_layout.scale(m_window);
    const int tab =
        PanelTabs::tabAt(QPointF(x / s.width() / TwipsPerPixel, y / s.height() / TwipsPerPixel));
    if (tab >= 0) {
        showPanel(tab);
    }
}

void MainCommands::showPanel(int tab)
{
    m_currentTab = tab;
    for (int k = 0; k < PanelCount; ++k) {
        m_controls.parameterPanels[k]->setVisible(k == tab);
    }
}

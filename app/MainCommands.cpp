#include "MainCommands.h"

#include "BandEditor.h"
#include "ControlBindings.h"
#include "DeviceLink.h"
#include "EditSender.h"
#include "EqGroupTable.h"
#include "Frames.h"
#include "MainWindowContext.h"
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

MainCommands::MainCommands(MainWindowContext& context, BandEditor& bands, WindowLayout& layout,
                           QTimer& toneReset)
    : m_context(context)
    , m_bands(bands)
    , m_layout(layout)
    , m_toneReset(toneReset)
{}

void MainCommands::attach()
{
    MainWindowControls& c = m_context.controls;
    QObject* owner = &m_context.window;
    for (int group = 0; group < MainWindowControls::GroupTabCount; ++group) {
        QObject::connect(c.groupTabs[group], &SimpControl::Click, owner,
                         [this, group] { selectGroup(group); });
    }
    QObject::connect(c.panelsTab, &SimpControl::Click, owner, [this] { showParameterPanels(); });
    QObject::connect(c.modeUp, &SimpControl::Click, owner, [this, &c] { stepMode(-1, c.modeUp); });
    QObject::connect(c.modeDown, &SimpControl::Click, owner,
                     [this, &c] { stepMode(+1, c.modeDown); });
    for (int element : {0, 1}) {
        QObject::connect(c.inputArrows[element], &SimpControl::Click, owner,
                         [this, element] { stepInput(element); });
        QObject::connect(c.startModeArrows[element], &SimpControl::Click, owner,
                         [this, element] { stepStartMode(element); });
        QObject::connect(c.saveModeButtons[element], &SimpControl::Click, owner,
                         [this, element] { setSaveMode(element); });
        QObject::connect(c.modeChangeButtons[element], &SimpControl::Click, owner,
                         [this, element] { setModeChange(element); });
    }
    QObject::connect(c.fourWayUp, &SimpControl::Click, owner, [this] { stepFourWay(-1); });
    QObject::connect(c.fourWayDown, &SimpControl::Click, owner, [this] { stepFourWay(+1); });
    QObject::connect(c.groupResetButton, &SimpControl::Click, owner, [this] { resetGroup(); });
    QObject::connect(c.toneKey, &SkinnedSlider::Scroll, owner, [this] { toneMoved(); });
    QObject::connect(&m_toneReset, &QTimer::timeout, owner, [this] { toneResetTick(); });
    QObject::connect(&m_context.link, &DeviceLink::notificationReceived, owner,
                     [this] { toneReturnedToNeutral(); });
    for (SimpControl* panel : c.panelTabStrips) {
        QObject::connect(panel, &SimpControl::MouseDown, owner,
                         [this](int, int, float x, float y) { panelPressed(x, y); });
    }
}

void MainCommands::selectGroup(int group)
{
    MainWindowControls& c = m_context.controls;
    for (SimpControl* tab : c.groupTabs) {
        tab->setValue(0);
    }
    c.groupTabs[group]->setValue(1);
    c.panelsTab->setValue(0);
    m_context.model.setCurrentEqGroup(group);
    c.parameterPanels[m_currentTab]->hide();
    c.bandPanel->show();
    c.bandValueEntry->hide();
    placeGroupMarker();
    m_bands.bindGroup();
    m_context.RefreshControls(RefreshFlags::Everything, RefreshFlags::AllAddresses);
}

void MainCommands::placeGroupMarker()
{
    // Centred under the selected tab's design place, so that it follows the tabs wherever the
    // design puts them and scales with them.
    const MainWindowControls& c = m_context.controls;
    const QRectF tab = m_layout.designGeometry(c.groupTabs[m_context.model.currentEqGroup()]);
    QRectF design = m_layout.designGeometry(c.groupMarker);
    design.moveLeft(tab.center().x() - design.width() / 2);
    m_layout.place(c.groupMarker, design);
}

void MainCommands::showParameterPanels()
{
    MainWindowControls& c = m_context.controls;
    c.panelsTab->setValue(1);
    c.parameterPanels[m_currentTab]->show();
    c.bandPanel->hide();
}

void MainCommands::stepMode(int delta, SimpControl* arrow)
{
    ParamModel& model = m_context.model;
    model.setCurrentMode(qBound(0, model.currentMode() + delta, ParamStore::ModeCount - 1));
    m_context.controls.modeNumber->setValue(model.currentMode());
    m_context.RefreshControls(RefreshFlags::Everything, RefreshFlags::AllAddresses);
    // The processor switches modes even when the window's mode stayed at its limit.
    m_context.sender.sendWhileDisabled(arrow, model.currentMode(), 0, 0, Frames::ModeSelect);
}

QCoro::Task<> MainCommands::stepInput(int element)
{
    SimpControl* arrow = m_context.controls.inputArrows[element];
    arrow->setControlEnabled(false);
    const int address = m_context.bindings.input;
    ParamStore& store = m_context.model.store();
    const int before = store.value(0, 0, address);
    int after = before;
    if (element == 1 && before < ParamRanges::InputMax) {
        after = before + 1;
    } else if (element == 0 && before > 0) {
        after = before - 1;
    }
    if (after != before) {
        store.setValue(0, 0, address, quint8(after));
        m_context.RefreshControls(RefreshFlags::Buttons, RefreshFlags::AllAddresses);
        if (m_context.online()) {
            co_await m_context.link.SendFrame(Frames::ParamWrite, 0, address, after,
                                              ReplyTimeout::Normal);
        }
    }
    arrow->setControlEnabled(true);
}

void MainCommands::stepStartMode(int element)
{
    const int address = m_context.bindings.startMode;
    ParamStore& store = m_context.model.store();
    const int byte = store.value(0, 0, address);
    if (element == 1 && byte < ParamRanges::StartModeMax) {
        store.setValue(0, 0, address, quint8(byte + 1));
    } else if (element == 0 && byte > 0) {
        store.setValue(0, 0, address, quint8(byte - 1));
    }
    // Not sent: the processor gets it with the next whole upload.
    m_context.RefreshControls(RefreshFlags::Buttons, RefreshFlags::AllAddresses);
}

void MainCommands::setSaveMode(int element)
{
    m_context.model.store().setValue(0, 0, m_context.bindings.saveMode, quint8(element));
    m_context.RefreshControls(RefreshFlags::Buttons, RefreshFlags::AllAddresses);
}

void MainCommands::setModeChange(int element)
{
    SimpControl* button = m_context.controls.modeChangeButtons[element];
    const int address = m_context.bindings.modeChange;
    m_context.model.store().setValue(0, 0, address, quint8(element));
    m_context.RefreshControls(RefreshFlags::Buttons, RefreshFlags::AllAddresses);
    m_context.sender.sendWhileDisabled(button, 0, address, element);
}

void MainCommands::stepFourWay(int delta)
{
    SimpControl* display = m_context.controls.fourWayDisplay;
    if (delta > 0) {
        m_context.undo.SaveUndo();
    }
    display->setValue(qBound(0, display->value() + delta, ParamRanges::FourWayMax));
    const int address = m_context.bindings.fourWay;
    m_context.model.store().setValue(0, 0, address, quint8(display->value()));
    m_context.sender.sendWithWindowDisabled(0, address, display->value());
}

void MainCommands::resetGroup()
{
    ParamModel& model = m_context.model;
    // The group and mode that are reset: the processor must get the bands the store now holds.
    const int group = model.currentEqGroup();
    const int mode = model.currentMode();
    m_context.undo.SaveUndo();
    model.InitDefaults(ParamModel::EqGroupReset);
    m_context.RefreshControls(RefreshFlags::Everything, RefreshFlags::AllAddresses);
    m_context.sender.sendAddresses(mode, EqGroupTable::instance().group(group).resetAddresses());
}

QCoro::Task<> MainCommands::toneMoved()
{
    m_context.undo.NoteChange();
    SkinnedSlider* tone = m_context.controls.toneKey;
    if (!m_context.online()) {
        m_toneReset.start();
        co_return;
    }
    const int value = tone->value();
    const bool sent =
        co_await m_context.sender.sendWhileDisabled(tone, 0, ParamRanges::ToneAddress, value);
    if (sent) {
        // The next whole upload carries the key the processor now has, not the one read when
        // the link came up.
        m_context.model.store().setValue(0, 0, ParamRanges::ToneAddress, quint8(value));
    }
}

void MainCommands::toneReturnedToNeutral()
{
    // The processor's notification: its key is neutral again, and so is the stored byte.
    m_context.controls.toneKey->setValue(ParamRanges::ToneNeutral);
    m_context.model.store().setValue(0, 0, ParamRanges::ToneAddress, ParamRanges::ToneNeutral);
}

void MainCommands::toneResetTick()
{
    if (!m_context.online()) {
        m_context.controls.toneKey->setValue(ParamRanges::ToneNeutral);
    }
}

void MainCommands::panelPressed(float x, float y)
{
    // The press comes in the panel's twips as the window is scaled; the tabs are drawn on the
    // panel picture in its design pixels.
    const QSizeF s = m_layout.scale(m_context.window);
    const int tab =
        PanelTabs::tabAt(QPointF(x / s.width() / TwipsPerPixel, y / s.height() / TwipsPerPixel));
    if (tab >= 0) {
        showPanel(tab);
    }
}

void MainCommands::showPanel(int tab)
{
    m_currentTab = tab;
    for (int k = 0; k < MainWindowControls::PanelCount; ++k) {
        m_context.controls.parameterPanels[k]->setVisible(k == tab);
    }
}

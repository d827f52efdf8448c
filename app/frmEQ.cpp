#include "frmEQ.h"

#include "BandEditor.h"
#include "BandKnobs.h"
#include "C_ProgressBar.h"
#include "CommIndicator.h"
#include "ControlRefresher.h"
#include "DeviceLink.h"
#include "EqGraphView.h"
#include "FirstExposeHold.h"
#include "Form.h"
#include "FormLoader.h"
#include "Frames.h"
#include "GraphEdits.h"
#include "HiddenProperties.h"
#include "MainCommands.h"
#include "MainWindowContext.h"
#include "MainWindowControls.h"
#include "MainWindowToolTips.h"
#include "NumericBandEntry.h"
#include "ParamModel.h"
#include "ParameterEdits.h"
#include "PresetCommands.h"
#include "ReconnectPrompt.h"
#include "RedrawRateMeter.h"
#include "RefreshFlags.h"
#include "RoomEqActions.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinImages.h"
#include "SkinnedFormClasses.h"
#include "SkinnedSlider.h"
#include "StandardFormClasses.h"
#include "USB_Comm.h"
#include "UserMessages.h"
#include "WindowGeometry.h"
#include "WindowTitle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

constexpr QRgb WindowBackground = 0x1A1C1F;
constexpr int CornerEllipse = 40;    // pixels, the window outline's rounded corners
constexpr double TextPointSize = 12; // the band value entry box at the design size

// Where start-up puts the band editor's markers and read-outs and the panels (design twips).
constexpr int ReadoutLeft = 2520;
constexpr int ReadoutStep = 920;
constexpr int ReadoutTops[] = {1600, 2500, 3330};
constexpr int MarkerOffset = 40;
constexpr int MarkerTop = 600;
constexpr int LowCutLeft = 1600;
constexpr int HighCutGap = 960;
constexpr QPointF PanelPlace(360, 8940);

} // namespace

frmEQ::frmEQ(ParamModel& model, SkinImages& skin, DeviceLink& link, UserMessages& messages,
             FileChooser& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_model(model)
    , m_skin(skin)
    , m_link(link)
    , m_messages(messages)
    , m_linkMessages(link, messages)
    , m_files(files)
    , m_undo(model)
    , m_bulk(link)
    , m_supervisor(link, m_bulk)
    , m_sender(link, *this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(WindowGeometry::DesignWidth, WindowGeometry::DesignHeight);
}

frmEQ::~frmEQ()
{
    // Whatever still runs ends while every part of the window is whole.
    endSequences();
}

bool frmEQ::load(QString& error, const QString& designFile)
{
    FormLoader loader;
    addSkinnedFormClasses(loader, m_skin);
    loader.registerFactory(QStringLiteral("PictureBox"),
                           [this](QWidget* parent, FormPropertyReader& properties) -> QWidget* {
                               auto* graph = new EqGraphView(m_skin, parent);
                               readFormColours(graph, properties);
                               return graph;
                           });
    FormError formError;
    m_form = loader.loadFile(designFile, this, formError);
    if (!m_form) {
        error = formError.toString();
        return false;
    }
    m_controls = MainWindowControls::find(*m_form, error);
    if (m_controls) {
        m_bindings = ControlBindings::read(*m_controls, error);
    }
    if (!m_bindings || !takeTimersFromDesign(error)) {
        discardDesign();
        return false;
    }
    m_context.reset(new MainWindowContext{*this, *m_controls, *m_bindings, m_model, m_link,
                                          m_sender, m_messages, m_undo, m_bands});
    m_bandEditor = std::make_unique<BandEditor>(m_bands, m_model, m_undo, controlsRefresh(),
                                                m_sender, BandEditor::Controls::of(*m_controls));
    m_refresher = std::make_unique<ControlRefresher>(*m_context, *m_bandEditor);
    // The bound controls follow the store; a store replaced as a whole redraws the window.
    connect(&m_model.changes(), &StoreChanges::changed, this,
            [this](int mode, int address) { m_refresher->showAddress(mode, address); });
    connect(&m_model.changes(), &StoreChanges::replaced, this,
            [this] { RefreshControls(Refresh::Everything); });
    m_commands = std::make_unique<MainCommands>(
        m_model, *m_bindings, m_undo, controlsRefresh(), m_sender, m_link, *m_bandEditor, m_layout,
        *this, *m_toneReset, MainCommands::Controls::of(*m_controls));
    m_edits = std::make_unique<ParameterEdits>(m_model, *m_bindings, m_undo, controlsRefresh(),
                                               m_sender, m_link, m_messages, *this,
                                               ParameterEdits::Controls::of(*m_controls));
    m_presets = std::make_unique<PresetCommands>(
        m_model, m_bindings->lock, m_undo, controlsRefresh(), m_link, m_bulk, m_files, m_messages,
        *this, PresetCommands::Controls::of(*m_controls));
    m_hiddenProperties = std::make_unique<HiddenProperties>(*m_context);
    m_reconnectPrompt =
        std::make_unique<ReconnectPrompt>(*m_context, m_supervisor, *m_presets, m_files);
    m_bandEditor->attach();
    m_commands->attach();
    m_edits->attach();
    m_presets->attach();
    connectWindowCommands();
    attachGraphEditing();
    attachRoomEq();
    startUp();
    return true;
}

ControlsRefresh frmEQ::controlsRefresh()
{
    return [this](RefreshFlags flags) {
        RefreshControls(flags);
    };
}

void frmEQ::discardDesign()
{
    // A design that cannot run leaves nothing behind: no half-built window.
    for (const Form::Entry& entry : m_form->entries()) {
        if (entry.parentEntry < 0) {
            delete entry.object.data();
        }
    }
    m_bindings.reset();
    m_controls.reset();
    m_form.reset();
}

bool frmEQ::takeTimersFromDesign(QString& error)
{
    // The design holds every interval; the link's own timers and the undo history take theirs.
    const Form& form = *m_form;
    const auto interval = [&form](const char* name, std::chrono::milliseconds fallback) {
        const QTimer* timer = form.timer(QString::fromLatin1(name));
        return timer ? timer->intervalAsDuration() : fallback;
    };
    LinkTimings timings = m_link.timings();
    timings.acknowledgement = interval("TimeOuter1", timings.acknowledgement);
    timings.keepAlive = interval("tmrKeepConnect", timings.keepAlive);
    timings.connectTimeout = interval("tmrConnectTimeOut", timings.connectTimeout);
    timings.firstConnect = interval("CommConnect", timings.firstConnect);
    m_link.setTimings(timings);
    m_undo.setBurstQuietMs(int(
        interval("tmrMoveTimeout", std::chrono::milliseconds(UndoHistory::BurstQuietMs)).count()));

    const auto own = [&form, &error](const char* name) {
        QTimer* timer = form.timer(QString::fromLatin1(name));
        if (!timer && error.isEmpty()) {
            error = tr("The window design has no timer %1.").arg(QLatin1String(name));
        }
        return timer;
    };
    m_progressTimer = own("Timer6");
    m_endTimer = own("tmrEnd");
    m_toneReset = own("timerToneReset");
    m_drawWave = own("tmrDrawWave");
    m_wheelStep = own("Timer7");
    m_redrawRate = own("Timer1");
    if (!error.isEmpty()) {
        return false;
    }
    m_drawWave->setSingleShot(true);
    return true;
}

void frmEQ::connectWindowCommands()
{
    MainWindowControls& c = *m_controls;
    connect(c.closeButton, &SimpControl::Click, this, &QWidget::close);
    connect(c.titleStrip, &SimpControl::MouseDown, this, [this](int button, int, float, float) {
        // Dragging the title strip moves the window, as a caption would.
        if (button == 1 && windowHandle()) {
            windowHandle()->startSystemMove();
        }
    });
    c.resizeGrip->installEventFilter(this);
    c.resizeGrip->setCursor(Qt::SizeFDiagCursor);

    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        m_controls->transferProgress->setValue(m_link.progressCount());
        if (!m_controls->transferProgress->isVisible()) {
            m_progressTimer->stop();
        }
    });
    connect(m_endTimer, &QTimer::timeout, this, [this] {
        m_endTimer->stop();
        close();
    });
    m_graph = qobject_cast<EqGraphView*>(c.graph);
    if (m_graph) {
        m_graph->attach(m_model, m_bands, *this);
        // A dragged band goes out once the events waiting have run, so a burst of moves sends
        // it once.
        connect(m_graph, &EqGraphView::bandPending, m_drawWave, qOverload<>(&QTimer::start));
        connect(m_drawWave, &QTimer::timeout, m_graph, &EqGraphView::sendPendingBand);
    }
    connect(&m_link, &DeviceLink::onlineChanged, this, &frmEQ::showOnline);
    connect(&m_link.transport(), &USB_Comm::Plug, this, &frmEQ::showLampTip);
    MainWindowToolTips::apply(c);
    showLampTip();
    connect(&m_bulk, &BulkTransfer::transferStarted, this, &frmEQ::showTransferStarted);
    connect(&m_bulk, &BulkTransfer::progressChanged, m_controls->transferProgress,
            &C_ProgressBar::setValue);
    connect(&m_bulk, &BulkTransfer::storeRead, this, &frmEQ::showStoreRead);
    connect(&m_bulk, &BulkTransfer::transferFinished, this, &frmEQ::showTransferFinished);
}

void frmEQ::attachRoomEq()
{
    if (auto* graph = qobject_cast<EqGraphView*>(m_controls->graph)) {
        m_roomEq = std::make_unique<RoomEqActions>(*m_context, *graph, m_files);
        m_roomEq->attach();
    }
}

void frmEQ::attachGraphEditing()
{
    m_bandEntry = std::make_unique<NumericBandEntry>(
        m_bands, m_model, m_undo, controlsRefresh(), m_sender, m_messages, *m_bandEditor, m_layout,
        *this, NumericBandEntry::Controls::of(*m_controls));
    m_bandEntry->attach();
    if (m_graph) {
        m_graphEdits =
            std::make_unique<GraphEdits>(m_bands, m_model, m_undo, controlsRefresh(), *m_bandEditor,
                                         *m_graph, BandKnobs::of(*m_controls), *m_wheelStep);
        m_graphEdits->attach();
        m_redrawRateMeter = std::make_unique<RedrawRateMeter>(*m_controls->redrawMeterCheck,
                                                              *m_redrawRate, *m_graph);
        m_redrawRateMeter->attach();
    }
}

void frmEQ::placeBandReadouts()
{
    MainWindowControls& c = *m_controls;
    const auto placeAt = [](QWidget* control, double left, double top) {
        const QRectF place = WindowLayout::twipsGeometry(control);
        WindowLayout::setTwipsGeometry(control, QRectF(QPointF(left, top), place.size()));
    };
    for (int column = 0; column < 15; ++column) {
        const double left = ReadoutLeft + ReadoutStep * column;
        for (int row = 0; row < 3; ++row) {
            placeAt(c.bandReadouts[3 * column + row], left, ReadoutTops[row]);
        }
        placeAt(c.bandMarkers[column], left + MarkerOffset, MarkerTop);
    }
    const double highCutLeft = WindowLayout::twipsGeometry(c.bandReadouts[42]).left() + HighCutGap;
    placeAt(c.bandReadouts[46], LowCutLeft, ReadoutTops[0]);
    placeAt(c.bandReadouts[45], highCutLeft, ReadoutTops[0]);
    placeAt(c.bandMarkers[16], LowCutLeft + MarkerOffset, MarkerTop);
    placeAt(c.bandMarkers[15], highCutLeft + MarkerOffset, MarkerTop);
    for (QWidget* panel :
         {c.bandPanel, c.parameterPanels[0], c.parameterPanels[1], c.parameterPanels[2]}) {
        placeAt(panel, PanelPlace.x(), PanelPlace.y());
    }
}

void frmEQ::startUp()
{
    placeBandReadouts();
    QList<QWidget*> controls;
    for (const Form::Entry& entry : m_form->entries()) {
        if (auto* widget = qobject_cast<QWidget*>(entry.object.data())) {
            controls.append(widget);
        }
    }
    m_layout.StoreLayout(*this, controls);
    m_layout.storeCaptionFonts(
        {m_controls->redrawMeterCheck, m_controls->resizeGrip, m_controls->noticeLine});
    m_model.InitDefaults(ParamModel::FactoryReset);
    m_undo.UndoRedoInit();
    // Edits before any processor answers are offline edits too.
    m_reconnectPrompt->attach();
    const QSizeF size =
        WindowGeometry::initialSize(screen()->size(), screen()->availableGeometry().size());
    resize(qRound(size.width()), qRound(size.height()));
    applyWindowSize();
    // Selecting the first group brings every control up to date.
    m_commands->selectGroup(0);
    m_link.log().setShowsKeepAlive(true);
    // The arrow keys edit the selected band from the start.
    m_controls->graph->setFocus(Qt::OtherFocusReason);
}

void frmEQ::RefreshControls(RefreshFlags flags)
{
    if ((flags & Refresh::Curve) && m_graph) {
        m_graph->DrawCurves();
    }
    m_refresher->RefreshControls(flags);
}

bool frmEQ::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !m_activated && m_controls) {
        firstActivation();
    }
    return QWidget::event(event);
}

void frmEQ::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Disabled for a send, the window lost its focus: the graph takes it back for the arrow keys.
    if (event->type() == QEvent::EnabledChange && isEnabled() && m_controls && !focusWidget()) {
        m_controls->graph->setFocus(Qt::OtherFocusReason);
    }
}

void frmEQ::prepareFirstPaint()
{
    if (QWindow* handle = windowHandle(); handle && !m_activated) {
        m_firstExposeHold = new FirstExposeHold(*handle);
    }
    if (m_graph) {
        m_graph->workPicture();
    }
    for (SkinnedControl* control : findChildren<SkinnedControl*>()) {
        if (control->isVisibleTo(this)) {
            control->prepareBuffer();
        }
    }
}

void frmEQ::firstActivation()
{
    m_activated = true;
    m_skin.setWindowActivated(true);
    m_supervisor.start();
    setWindowTitle(WindowTitle);
    if (m_firstExposeHold) {
        m_firstExposeHold->release();
    }
}

void frmEQ::closeEvent(QCloseEvent* event)
{
    // The redraw loop ends before anything else, while the graph is whole.
    if (m_redrawRateMeter) {
        m_redrawRateMeter->stop();
    }
    const bool transferring = m_link.isBusy();
    endSequences();
    if (m_toneReset) {
        m_toneReset->stop();
    }
    if (transferring) {
        // The exchange has been given up already; the window goes once the user has read why.
        event->ignore();
        m_messages.showMessage(UserMessages::Icon::Exclamation, closeDuringTransferMessage(),
                               [this] { m_endTimer->start(); });
        return;
    }
    clearMask();
    if (m_commIndicator) {
        m_commIndicator->programEnding();
    }
    event->accept();
}

void frmEQ::endSequences()
{
    // Every wait of the link ends now, and every sequence waiting on it goes on to its end at
    // once (each send fails, and later ones too); the supervision stops.
    m_link.setClosing();
    m_supervisor.stop();
    // So do the sequences waiting on a dialog of ours: a dialog closed counts as cancelled.
    for (QDialog* dialog : findChildren<QDialog*>()) {
        if (dialog->isVisible()) {
            dialog->reject();
        }
    }
}

void frmEQ::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_controls) {
        applyWindowSize();
    }
}

void frmEQ::applyWindowSize()
{
    const double labelScale = m_layout.LabelScale(*this);
    QFont font = m_controls->bandValueEntry->font();
    font.setPointSizeF(TextPointSize * labelScale);
    m_controls->bandValueEntry->setFont(font);
    WindowLayout::SetRoundedRegion(*this, CornerEllipse, CornerEllipse);
    m_layout.ApplyLayout(*this);
    // The design puts the group marker under the first tab; it belongs under the selected one.
    m_commands->placeGroupMarker();
}

CommIndicator& frmEQ::commIndicator()
{
    if (!m_commIndicator) {
        m_commIndicator = new CommIndicator(m_link.log(), this);
    }
    return *m_commIndicator;
}

void frmEQ::keyPressEvent(QKeyEvent* event)
{
    const QString key = event->text();
    // Lower case only: the upper-case letters do nothing.
    if (key == u"w" && m_controls) {
        commIndicator().open();
    } else if (key == u"q" && m_hiddenProperties) {
        m_hiddenProperties->run();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void frmEQ::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor::fromRgb(WindowBackground));
    if (m_activated && m_releaseSkinPages) {
        m_releaseSkinPages = false;
        // The controls paint after the window; once they have, the pictures shown live in their
        // buffers and the skin's pages are not needed until one is drawn anew.
        QTimer::singleShot(0, this, [this] { m_skin.releaseDrawnPages(); });
    }
}

bool frmEQ::eventFilter(QObject* watched, QEvent* event)
{
    if (m_controls && watched == m_controls->resizeGrip && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (move->buttons() != Qt::NoButton) {
            resizeFromGrip(qRound(move->position().y()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmEQ::resizeFromGrip(int dy)
{
    // Never so small that the outline hides the grip and the close button, never larger than
    // the screen.
    resize(WindowGeometry::gripSize(height(), dy, screen()->availableGeometry().size()));
}

void frmEQ::showTransferStarted(int progressMaximum)
{
    setEnabled(false);
    C_ProgressBar* bar = m_controls->transferProgress;
    bar->setMaxValue(progressMaximum);
    bar->setValue(0);
    bar->show();
    bar->raise();
    m_progressTimer->start();
}

void frmEQ::showTransferFinished()
{
    // The controls drew what was read; hiding the bar repaints the window under it, after them.
    m_releaseSkinPages = true;
    setEnabled(true);
    m_controls->transferProgress->hide();
}

void frmEQ::showStoreRead()
{
    // The window has followed the replaced store already.
    m_undo.UndoRedoInit();
}

void frmEQ::showOnline(bool online)
{
    m_controls->connectionLamp->setValue(online ? MainWindowControls::LampOnline
                                                : MainWindowControls::LampOffline);
    m_bandEditor->ShowBandIndicator();
    showLampTip();
}

void frmEQ::showLampTip()
{
    const USB_Comm& transport = m_link.transport();
    m_controls->connectionLamp->setToolTip(MainWindowToolTips::lamp(
        m_link.isOnline(), transport.isOpen(), transport.unavailableReason()));
}

bool frmEQ::isOnline() const
{
    return m_link.isOnline();
}

void frmEQ::sendBand(quint8 address)
{
    m_link.SendFrame(Frames::Type::ParamWrite, m_model.currentMode(), ParamAddress(address),
                     Frames::StoredBytes, ReplyTimeout::Normal);
}

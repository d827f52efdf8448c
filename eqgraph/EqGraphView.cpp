#include "EqGraphView.h"

#include "BandSender.h"
#include "BandTable.h"
#include "BandText.h"
#include "EqGroupTable.h"
#include "ParamModel.h"
#include "RowBands.h"
#include "SkinImages.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace {

// The keyboard focus frame, just inside the picture's edge.
constexpr QRgb FocusFrame = 0xC0FABA00;
constexpr int FocusFrameWidth = 2;

} // namespace

EqGraphView::EqGraphView(SkinImages& skin, QWidget* parent)
    : QWidget(parent)
    , m_skin(skin)
    , m_renderer(skin)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_dropWork.setSingleShot(true);
    m_dropWork.setInterval(WorkPictureKept);
    connect(&m_dropWork, &QTimer::timeout, this, &EqGraphView::dropWorkPicture);
    // The artwork may be replaced after the grid was drawn from it (tests do).
    connect(&m_skin, &SkinImages::imageChanged, this, [this] {
        m_gridValid = false;
        DrawCurves();
    });
}

void EqGraphView::attach(ParamModel& model, const BandTable& bands, BandSender& sender)
{
    m_model = &model;
    m_bands = &bands;
    m_sender = &sender;
    DrawCurves();
}

void EqGraphView::setOverlay(const GraphOverlay* overlay)
{
    m_overlay = overlay;
    DrawCurves();
}

void EqGraphView::DrawCurves()
{
    m_workValid = false;
    update();
}

void EqGraphView::sendPendingBand()
{
    if (m_pendingSendBand == NoBand || !m_bands) {
        return;
    }
    if (!m_sender || !m_sender->isOnline()) {
        // Offline edits stay in the store only.
        m_pendingSendBand = NoBand;
        return;
    }
    const EqBand& band = m_bands->band(m_pendingSendBand);
    if (!band.InUse) {
        // The group changed since: the record is no band any more.
        m_pendingSendBand = NoBand;
        return;
    }
    m_sender->sendBand(band.Address);
    m_pendingSendBand = NoBand;
}

void EqGraphView::setPendingSendBand(int band)
{
    m_pendingSendBand = band >= 0 && band < BandTable::Capacity ? band : NoBand;
    if (m_pendingSendBand != NoBand) {
        emit bandPending();
    }
}

EqGraphRenderer::Scene EqGraphView::scene() const
{
    return {m_bands, m_model ? m_model->currentEqGroup() : 0, bypassed(), m_overlay};
}

const QImage& EqGraphView::workPicture()
{
    if (size().isEmpty()) {
        m_work = QImage();
        return m_work;
    }
    const qreal ratio = devicePixelRatioF();
    if (!m_gridValid || m_grid.deviceIndependentSize() != QSizeF(size()) ||
        m_grid.devicePixelRatio() != ratio) {
        InitGraph();
    }
    if (!m_workValid || m_work.isNull()) {
        m_renderer.drawCurves(m_work, m_grid, scene());
        m_redraws += m_workValid ? 0 : 1;
        m_workValid = true;
    }
    m_dropWork.start();
    return m_work;
}

void EqGraphView::dropWorkPicture()
{
    // The window's backing store holds what is shown; an idle graph needs no copy of its own.
    m_work = QImage();
}

void EqGraphView::InitGraph()
{
    m_skin.InitSkin();
    followWidth();
    m_grid = m_renderer.drawGrid(size(), devicePixelRatioF());
    m_gridValid = true;
    m_workValid = false;
    ++m_gridBuilds;
}

bool EqGraphView::bypassed() const
{
    if (!m_model) {
        return false;
    }
    const quint8 address = EqGroupTable::instance().group(m_model->currentEqGroup()).bypass;
    return address != EqGroup::None &&
           m_model->store().value(ParamField::Value, m_model->currentMode(), address) == 0;
}

void EqGraphView::followWidth()
{
    m_renderer.setScale(float(width()) / GraphGeometry::DesignWidth);
}

bool EqGraphView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        showMarkerTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void EqGraphView::showMarkerTip(const QHelpEvent& help)
{
    // Over a marker its band's values; elsewhere the graph's own tip, how to edit on it.
    const auto record =
        m_bands ? GraphGestures::HitTestBands(*m_bands, geometry(), help.pos()) : std::nullopt;
    if (!record) {
        QToolTip::showText(help.globalPos(), toolTip(), this);
        return;
    }
    const EqBand& band = m_bands->band(*record);
    const QPoint marker(qRound(geometry().FreqToX(band.Frequency)),
                        qRound(geometry().DbToY(band.Gain)));
    constexpr int Reach = GraphGestures::MarkerReach;
    QToolTip::showText(help.globalPos(), BandText::summary(band, *record), this,
                       QRect(marker - QPoint(Reach, Reach), QSize(2 * Reach + 1, 2 * Reach + 1)));
}

void EqGraphView::focusInEvent(QFocusEvent* event)
{
    m_focusFromPress = event->reason() == Qt::MouseFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void EqGraphView::focusOutEvent(QFocusEvent* event)
{
    m_focusFromPress = false;
    update();
    QWidget::focusOutEvent(event);
}

void EqGraphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    RowBands::drawImage(painter, QPointF(0, 0), workPicture());
    if (hasFocus()) {
        const QColor frame = QColor::fromRgba(FocusFrame);
        const int w = width();
        const int h = height();
        constexpr int T = FocusFrameWidth;
        RowBands::fillRect(painter, QRect(0, 0, w, T), frame);
        RowBands::fillRect(painter, QRect(0, h - T, w, T), frame);
        RowBands::fillRect(painter, QRect(0, T, T, h - 2 * T), frame);
        RowBands::fillRect(painter, QRect(w - T, T, T, h - 2 * T), frame);
    }
}

void EqGraphView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    followWidth();
}

void EqGraphView::mousePressEvent(QMouseEvent* event)
{
    // The focus arrives just before the press that brings it; without the window active it
    // comes after.
    const bool tookFocus = m_focusFromPress || !hasFocus();
    m_focusFromPress = false;
    // The right button opens the context menu; it takes no band and moves none.
    if (event->button() == Qt::RightButton) {
        return;
    }
    emit pressed(event->position(), tookFocus, event->modifiers().testFlag(Qt::ShiftModifier));
}

void EqGraphView::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->position(), event->modifiers().testFlag(Qt::ShiftModifier));
}

void EqGraphView::mouseReleaseEvent(QMouseEvent*)
{
    emit released();
}

void EqGraphView::mouseDoubleClickEvent(QMouseEvent*)
{
    // The press before it has been reported already; the second click only steps again.
    emit doubleClicked();
}

void EqGraphView::keyPressEvent(QKeyEvent* event)
{
    using GraphGestures::ArrowKey;
    ArrowKey key = ArrowKey::None;
    switch (event->key()) {
    case Qt::Key_Left:
        key = ArrowKey::Left;
        break;
    case Qt::Key_Up:
        key = ArrowKey::Up;
        break;
    case Qt::Key_Right:
        key = ArrowKey::Right;
        break;
    case Qt::Key_Down:
        key = ArrowKey::Down;
        break;
    default:
        // The window's own keys reach it.
        QWidget::keyPressEvent(event);
        return;
    }
    emit arrowKeyPressed(key);
}

void EqGraphView::wheelEvent(QWheelEvent* event)
{
    // Every turn over the graph is its own, used or not: none scrolls the window around it.
    event->accept();
    const bool noButton = event->buttons() == Qt::NoButton;
    const bool plain = noButton && event->modifiers() == Qt::NoModifier;
    const bool alt = noButton && event->modifiers() == Qt::AltModifier;
    const QPoint delta = event->angleDelta();
    if (const int notches = m_wheel.add(delta.y(), plain)) {
        emit wheelTurned(notches);
    }
    // Some platforms turn the wheel sideways while Alt is held.
    if (const int notches = m_altWheel.add(delta.y() != 0 ? delta.y() : delta.x(), alt)) {
        emit altWheelTurned(event->position(), notches);
    }
}

void EqGraphView::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    emit contextMenuRequested(event->globalPos());
}

#include "EqGraphView.h"

#include "BandSender.h"
#include "BandTable.h"
#include "EqGroupTable.h"
#include "ParamModel.h"
#include "SkinImages.h"

#include <QPainter>

EqGraphView::EqGraphView(SkinImages& skin, QWidget* parent)
    : QWidget(parent)
    , m_skin(skin)
    , m_renderer(skin)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void EqGraphView::DrawCurves()
{
    m_workValid = false;
    update();
}

void EqGraphView::drawWaveTick()
{
    DrawCurves();
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
    const quint64 request = m_pendingRequests;
    // The send waits with the event loop running, and a drag step may ask again meanwhile; only
    // a send of the latest request clears it.
    if (m_sender->sendBand(band.Address) && request == m_pendingRequests) {
        m_pendingSendBand = NoBand;
    }
}

void EqGraphView::setPendingSendBand(int band)
{
    m_pendingSendBand = band >= 0 && band < BandTable::Capacity ? band : NoBand;
    ++m_pendingRequests;
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
    if (!m_workValid) {
        m_renderer.drawCurves(m_work, m_grid,
                              {m_bands, m_model ? m_model->currentEqGroup() : 0, bypassed()});
        m_workValid = true;
        ++m_redraws;
    }
    return m_work;
}

void EqGraphView::InitGraph()
{
    m_skin.InitSkin();
    m_renderer.setScale(float(width()) / GraphGeometry::DesignWidth);
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
           m_model->store().value(0, m_model->currentMode(), address) == 0;
}

void EqGraphView::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(QPointF(0, 0), workPicture());
}

#include "EqGraphView.h"

#include "SkinImages.h"

#include <QPainter>

EqGraphView::EqGraphView(SkinImages& skin, QWidget* parent)
    : QWidget(parent)
    , m_skin(skin)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void EqGraphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (m_skin.windowActivated()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        m_skin.DrawSkinImage(painter, BackgroundPicture, QRectF(rect()));
    }
}

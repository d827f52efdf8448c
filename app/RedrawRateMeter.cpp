#include "RedrawRateMeter.h"

#include "EqGraphView.h"

#include <QCheckBox>

RedrawRateMeter::RedrawRateMeter(QCheckBox& box, QTimer& secondTimer, EqGraphView& graph)
    : m_box(box)
    , m_secondTimer(secondTimer)
    , m_graph(graph)
    , m_caption(box.text())
{
    // A zero-interval timer instead of a loop that lets events run inside it: every other event
    // still comes first, and nothing waits on the stack when the window closes.
    m_loop.setInterval(0);
}

void RedrawRateMeter::attach()
{
    connect(&m_box, &QCheckBox::clicked, this, &RedrawRateMeter::clicked);
    connect(&m_loop, &QTimer::timeout, this, &RedrawRateMeter::redraw);
    connect(&m_secondTimer, &QTimer::timeout, this, &RedrawRateMeter::showRate);
}

void RedrawRateMeter::clicked(bool ticked)
{
    if (!ticked) {
        stop();
        return;
    }
    m_redraws = 0;
    m_secondTimer.start();
    m_loop.start();
}

void RedrawRateMeter::stop()
{
    m_loop.stop();
    m_secondTimer.stop();
    m_box.setChecked(false);
    m_box.setText(m_caption);
}

void RedrawRateMeter::redraw()
{
    // Rebuilt even while the window is hidden, when the copy to the screen does not happen.
    m_graph.DrawCurves();
    m_graph.workPicture();
    m_graph.repaint();
    ++m_redraws;
}

void RedrawRateMeter::showRate()
{
    m_box.setText(QString::number(m_redraws));
    m_redraws = 0;
}

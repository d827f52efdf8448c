#include "FirstExposeHold.h"

#include <QCoreApplication>
#include <QExposeEvent>
#include <QWindow>

FirstExposeHold::FirstExposeHold(QWindow& window, std::chrono::milliseconds longest)
    : QObject(&window)
    , m_window(window)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(longest);
    connect(&m_deadline, &QTimer::timeout, this, &FirstExposeHold::release);
    m_window.installEventFilter(this);
}

void FirstExposeHold::release()
{
    m_window.removeEventFilter(this);
    m_deadline.stop();
    if (m_held) {
        m_held = false;
        // As the display server would send it: the whole window, painted and shown at once.
        QExposeEvent expose(QRect(QPoint(), m_window.size()));
        QCoreApplication::sendEvent(&m_window, &expose);
    }
    deleteLater();
}

bool FirstExposeHold::eventFilter(QObject* watched, QEvent* event)
{
    // An exposure that hides the window (unmapped again) is not a paint: it passes.
    if (watched != &m_window || event->type() != QEvent::Expose || !m_window.isExposed()) {
        return false;
    }
    if (!m_held) {
        m_held = true;
        m_deadline.start();
    }
    return true;
}

#include "StartupTrace.h"

#include "frmEQ.h"

#include <QEvent>
#include <QTimer>

Q_LOGGING_CATEGORY(lcStartup, "tonvexa.startup", QtWarningMsg)

StartupTrace::StartupTrace(frmEQ& window)
    : QObject(&window)
    , m_window(window)
{
    m_window.installEventFilter(this);
}

void StartupTrace::watch(frmEQ& window)
{
    if (lcStartup().isInfoEnabled()) {
        new StartupTrace(window);
    }
}

bool StartupTrace::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Paint &&
        m_window.isFirstActivationDone()) {
        m_window.removeEventFilter(this);
        // The children paint after the window and the picture reaches the screen after them:
        // the zero timer runs once all of that is done.
        QTimer::singleShot(0, this, [this] {
            qCInfo(lcStartup) << WindowPainted;
            deleteLater();
        });
    }
    return false;
}

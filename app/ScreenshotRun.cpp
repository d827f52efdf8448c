#include "ScreenshotRun.h"

#include "DeviceLink.h"
#include "frmEQ.h"

#include <QPixmap>

ScreenshotRun::ScreenshotRun(frmEQ& window, DeviceLink& link, QString file)
    : m_window(window)
    , m_link(link)
    , m_file(std::move(file))
{
    m_clock.start();
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, &ScreenshotRun::poll);
    m_poll.start();
}

void ScreenshotRun::poll()
{
    if (!m_window.isFirstActivationDone() || m_link.isBusy()) {
        if (m_clock.elapsed() < GiveUpMs) {
            return;
        }
    } else if (!m_link.isOnline() && m_clock.elapsed() < OfflineWaitMs) {
        return;
    }
    m_poll.stop();
    // One more pass of the event loop, so that everything the sync changed is painted.
    QTimer::singleShot(50, this, &ScreenshotRun::shoot);
}

void ScreenshotRun::shoot()
{
    Q_EMIT finished(m_window.grab().save(m_file, "PNG"));
}

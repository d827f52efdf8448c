#include "ScreenshotRun.h"

#include "DeviceLink.h"
#include "PngWriter.h"
#include "frmEQ.h"

#include <QPixmap>

ScreenshotRun::ScreenshotRun(frmEQ& window, DeviceLink& link, QString file)
    : m_window(window)
    , m_link(link)
    , m_file(std::move(file))
{
    // Nobody looks at the window before the picture: the first handshake goes out at once
    // instead of after the window's usual pause.
    LinkTimings timings = m_link.timings();
    timings.firstConnect = std::chrono::milliseconds::zero();
    m_link.setTimings(timings);

    // The first exchange to end is the handshake; a processor that answered it is read next.
    connect(&m_link, &DeviceLink::becameIdle, this, [this] {
        m_handshakeEnded = true;
        checkLater();
    });
    connect(&m_window.bulk(), &BulkTransfer::transferFinished, this, [this] {
        m_synchronised = true;
        checkLater();
    });
    m_giveUp.setSingleShot(true);
    m_giveUp.setInterval(GiveUpMs);
    connect(&m_giveUp, &QTimer::timeout, this, &ScreenshotRun::shoot);
    m_giveUp.start();
}

void ScreenshotRun::checkLater()
{
    QMetaObject::invokeMethod(this, &ScreenshotRun::check, Qt::QueuedConnection);
}

void ScreenshotRun::check()
{
    const bool linkSettled =
        m_handshakeEnded && !m_link.isBusy() && (!m_link.isOnline() || m_synchronised);
    if (m_window.isFirstActivationDone() && linkSettled) {
        shoot();
    }
}

void ScreenshotRun::shoot()
{
    if (m_shot) {
        return;
    }
    m_shot = true;
    m_giveUp.stop();
    // grab() draws every control from the state it has now, painted on screen or not yet.
    Q_EMIT finished(PngWriter::save(m_window.grab().toImage(), m_file, m_error));
}

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class DeviceLink;
class frmEQ;

// --screenshot: lets the window start, connect and synchronise when a processor is there, then
// saves the window as a PNG and ends the program.
class ScreenshotRun : public QObject
{
    Q_OBJECT

public:
    // Without a processor the program waits this long for a handshake before taking the picture.
    static constexpr int OfflineWaitMs = 1500;
    static constexpr int GiveUpMs = 10000;

    ScreenshotRun(frmEQ& window, DeviceLink& link, QString file);

Q_SIGNALS:
    void finished(bool saved);

private:
    void poll();
    void shoot();

    frmEQ& m_window;
    DeviceLink& m_link;
    QString m_file;
    QTimer m_poll;
    QElapsedTimer m_clock;
};

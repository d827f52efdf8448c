#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class DeviceLink;
class frmEQ;

// --screenshot: lets the window start, connect and synchronise when a processor answers, then
// saves the window as a PNG and ends the program. It shoots as soon as the window has settled:
// activated, and the first handshake failed or the processor read (the graph draws the store as
// it changes). Nothing waits on a clock but the time after which it gives up waiting.
class ScreenshotRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int GiveUpMs = 10000;

    ScreenshotRun(frmEQ& window, DeviceLink& link, QString file);

    // Why the picture was not saved.
    const QString& errorString() const { return m_error; }

Q_SIGNALS:
    void finished(bool saved);

private:
    // Runs from the event loop after whatever woke it has returned.
    void checkLater();
    void check();
    void shoot();

    frmEQ& m_window;
    DeviceLink& m_link;
    QString m_file;
    QString m_error;
    QTimer m_giveUp;
    bool m_handshakeEnded = false;
    bool m_synchronised = false;
    bool m_shot = false;
};

#pragma once

#include <QStandardPaths>
#include <QString>
#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// An X server of our own for the lifetime of the test program. Xvfb picks a display number no
// one uses and tells it through a pipe, so runs side by side never collide. Programs reach it
// with DISPLAY set to name() and the xcb platform.
class XvfbServer
{
public:
    static constexpr int StartTimeoutMs = 20000;

    XvfbServer()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty()) {
            m_problem = QStringLiteral("Xvfb is not installed (Debian: xvfb); what runs on a real "
                                       "X server is skipped");
            return;
        }
        int channel[2];
        if (::pipe(channel) != 0) {
            m_problem = QStringLiteral("no pipe for Xvfb");
            return;
        }
        const QByteArray path = program.toLocal8Bit();
        const QByteArray fd = QByteArray::number(channel[1]);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(channel[0]);
            ::execl(path.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0",
                    "1920x1080x24", "-dpi", "96", "-nolisten", "tcp", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(channel[1]);
        QByteArray number;
        pollfd wait{channel[0], POLLIN, 0};
        char c = 0;
        while (::poll(&wait, 1, StartTimeoutMs) > 0 && ::read(channel[0], &c, 1) == 1 &&
               c != '\n') {
            number.append(c);
        }
        ::close(channel[0]);
        bool ok = false;
        m_display = number.toInt(&ok);
        if (!ok) {
            m_display = -1;
            m_problem = QStringLiteral("Xvfb did not start");
        }
    }

    ~XvfbServer()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    int display() const { return m_display; }
    QString name() const { return QStringLiteral(":%1").arg(m_display); }
    const QString& problem() const { return m_problem; }

private:
    pid_t m_pid = -1;
    int m_display = -1;
    QString m_problem;
};

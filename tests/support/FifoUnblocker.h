#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A named pipe for a test that must not hang when the code under test opens it for reading after
// all: for as long as this lives, a thread keeps giving any reader of the pipe an end of file
// (a writer that opens and closes), so the reader returns and the test can fail instead of
// waiting for the test runner's time-out.
class FifoUnblocker
{
public:
    explicit FifoUnblocker(const QString& path)
        : m_path(QFile::encodeName(path))
    {
        m_created = ::mkfifo(m_path.constData(), 0600) == 0;
        m_thread = std::thread([this] {
            while (!m_stop) {
                // Succeeds only while a reader has the pipe open.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }

    ~FifoUnblocker()
    {
        m_stop = true;
        m_thread.join();
    }

    FifoUnblocker(const FifoUnblocker&) = delete;
    FifoUnblocker& operator=(const FifoUnblocker&) = delete;

    bool created() const { return m_created; }

private:
    QByteArray m_path;
    bool m_created = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

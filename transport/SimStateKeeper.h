#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class ProcessorTransport;

// Keeps the simulated processor's state file as a processor keeps its memory, while a window
// runs for hours: the file is written a moment after the memory was last written (so a kill, a
// logout or a power cut loses at most that moment), and at once when the window is asked to
// close, while it is still there to show a failure. A failure is said once, and again only after
// a save has succeeded in between, or when the window closes.
class SimStateKeeper : public QObject
{
    Q_OBJECT

public:
    // About a second: a fader drag writes the memory many times a second, and is saved once.
    static constexpr std::chrono::milliseconds DefaultQuiet{1000};

    explicit SimStateKeeper(ProcessorTransport& processor,
                            std::chrono::milliseconds quiet = DefaultQuiet,
                            QObject* parent = nullptr);

    // Saves whenever window receives a close request.
    void saveOnClose(QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save(bool sayFailure);

    ProcessorTransport& m_processor;
    QTimer m_quiet;
    QObject* m_window = nullptr;
    bool m_failing = false;
};

#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

class QWindow;

// Holds a window's first paint back until the window is first activated. The skinned controls
// draw nothing before that activation, so a paint on the window's first exposure would be
// painted over at once, and the second paint would wait for the display server to take in the
// first. The activation follows the exposure within a few milliseconds; a window that is not
// activated paints after the longest hold all the same.
class FirstExposeHold : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds LongestHold{250};

    // Watches window from now on; the window owns the hold.
    explicit FirstExposeHold(QWindow& window, std::chrono::milliseconds longest = LongestHold);

    // Paints the window now if its exposure was held back; the hold then ends.
    void release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWindow& m_window;
    QTimer m_deadline;
    bool m_held = false;
};

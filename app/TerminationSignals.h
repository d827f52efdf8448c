#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, kill, Ctrl-C, a closed terminal) into a Qt signal
// on the event loop, so that the program can end as if its close button had been pressed and
// keep what it must. The handler does nothing but write the signal's number into a pipe. A
// second signal of the same kind ends the program at once, as it would without this. One
// instance at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void requested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};

#pragma once

#include <QString>
#include <QTimer>

// A timer of a window description. It is made stopped: the design only says whether the window
// starts it (enabledAtStart) and what it is for; starting it is the owner's business.
class FormTimer : public QTimer
{
    Q_OBJECT

public:
    FormTimer(bool enabledAtStart, const QString& note, QObject* parent = nullptr)
        : QTimer(parent)
        , m_enabledAtStart(enabledAtStart)
        , m_note(note)
    {}

    bool enabledAtStart() const { return m_enabledAtStart; }
    QString note() const { return m_note; }

private:
    bool m_enabledAtStart;
    QString m_note;
};

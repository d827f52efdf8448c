#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QTimer;

// The controls of one window built from its description, found by name and element index. The
// widgets belong to the window they were built under; this only points at them.
class Form
{
public:
    struct Entry
    {
        QString name;
        int index = -1;
        QPointer<QObject> object;
        int parentEntry = -1; // the frame holding it, -1 at the window's level
    };

    QObject* object(const QString& name, int index = -1) const;
    template <class T>
    T* find(const QString& name, int index = -1) const
    {
        return qobject_cast<T*>(object(name, index));
    }
    // Timers are made stopped (FormTimer says whether the design starts them, and why).
    QTimer* timer(const QString& name) const;

    const QList<Entry>& entries() const { return m_entries; }

private:
    friend class FormLoader;
    const Entry* entry(const QString& name, int index) const;

    QList<Entry> m_entries;
};

#pragma once

#include "FormDescription.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <functional>

class FormPropertyWriter;
class QTimer;

// The controls of one window built from its description: found by name and element index,
// each with its place in the design (twips, relative to the frame holding it). The widgets belong
// to the window they were built under; this only points at them.
class Form
{
public:
    struct Entry
    {
        QString className;
        QString name;
        int index = -1;
        QPointer<QObject> object;
        int parentEntry = -1; // the frame holding it, -1 at the window's level
        std::optional<QRectF> designGeometry;
        QList<FormProperty> storedProperties; // as read, for classes that do not write back
        std::function<void(const QObject*, FormPropertyWriter&)> write;
    };

    QObject* object(const QString& name, int index = -1) const;
    template <class T>
    T* find(const QString& name, int index = -1) const
    {
        return qobject_cast<T*>(object(name, index));
    }
    // Timers are made stopped; whether the design starts them, and why, is here.
    QTimer* timer(const QString& name) const;
    bool timerEnabledAtStart(const QString& name) const;
    QString timerNote(const QString& name) const;

    // The design place in twips; empty for timers and objects not built by this form.
    std::optional<QRectF> designGeometry(const QObject* object) const;

    const QList<Entry>& entries() const { return m_entries; }

    // The window as it stands, as a description: design places, current properties.
    FormDescription describe(const QString& fileName = QString()) const;

private:
    friend class FormLoader;
    const Entry* entry(const QString& name, int index) const;
    FormNode describeEntry(int i) const;

    QList<Entry> m_entries;
};

#include "Form.h"

#include <QTimer>

const Form::Entry* Form::entry(const QString& name, int index) const
{
    for (const Entry& e : m_entries) {
        if (e.index == index && e.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &e;
        }
    }
    return nullptr;
}

QObject* Form::object(const QString& name, int index) const
{
    const Entry* e = entry(name, index);
    return e ? e->object.data() : nullptr;
}

QTimer* Form::timer(const QString& name) const
{
    return find<QTimer>(name);
}

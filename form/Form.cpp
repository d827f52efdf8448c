#include "Form.h"

#include "FormPropertyWriter.h"
#include "FormTimer.h"

#include <QTimer>
#include <QWidget>

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

bool Form::timerEnabledAtStart(const QString& name) const
{
    const FormTimer* timer = find<FormTimer>(name);
    return timer && timer->enabledAtStart();
}

QString Form::timerNote(const QString& name) const
{
    const FormTimer* timer = find<FormTimer>(name);
    return timer ? timer->note() : QString();
}

std::optional<QRectF> Form::designGeometry(const QObject* object) const
{
    for (const Entry& e : m_entries) {
        if (e.object == object) {
            return e.designGeometry;
        }
    }
    return std::nullopt;
}

FormNode Form::describeEntry(int i) const
{
    const Entry& e = m_entries[i];
    FormNode node;
    node.className = e.className;
    node.name = e.name;
    node.index = e.index;
    node.geometry = e.designGeometry;
    if (e.write && e.object) {
        FormPropertyWriter writer;
        e.write(e.object, writer);
        node.properties = writer.properties();
    } else {
        node.properties = e.storedProperties;
    }
    if (const auto* widget = qobject_cast<const QWidget*>(e.object.data());
        widget && widget->isHidden()) {
        node.properties.append(FormProperty{QStringLiteral("Visible"), QStringLiteral("False")});
    }
    for (int child = 0; child < m_entries.size(); ++child) {
        if (m_entries[child].parentEntry == i) {
            node.children.append(describeEntry(child));
        }
    }
    return node;
}

FormDescription Form::describe(const QString& fileName) const
{
    FormDescription description;
    description.fileName = fileName;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].parentEntry < 0) {
            description.nodes.append(describeEntry(i));
        }
    }
    return description;
}

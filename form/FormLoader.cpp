#include "FormLoader.h"

#include "FormPropertyReader.h"
#include "FormTimer.h"
#include "StandardFormClasses.h"
#include "Twips.h"

#include <QWidget>
#include <algorithm>

namespace {

const QString VisibleKey = QStringLiteral("Visible");

} // namespace

FormLoader::FormLoader()
{
    addStandardFormClasses(*this);
}

void FormLoader::registerClass(const QString& className, const FormClass& formClass)
{
    m_classes.insert(className.toLower(), formClass);
}

void FormLoader::registerFactory(
    const QString& className, std::function<QWidget*(QWidget* parent, FormPropertyReader&)> factory)
{
    FormClass owner;
    owner.kind = FormClass::Kind::Control;
    owner.create = [factory](QWidget* parent, FormPropertyReader& properties) -> QObject* {
        return factory(parent, properties);
    };
    registerClass(className, owner);
}

const FormClass* FormLoader::formClass(const QString& className) const
{
    const auto it = m_classes.constFind(className.toLower());
    return it == m_classes.constEnd() ? nullptr : &it.value();
}

std::unique_ptr<Form> FormLoader::load(const FormDescription& description, QWidget* parent,
                                       FormError& error) const
{
    auto form = std::make_unique<Form>();
    QList<QPointer<QObject>> built;
    for (const FormNode& node : description.nodes) {
        if (!build(node, parent, -1, description.fileName, *form, built, error)) {
            // Children go before their frames, so nothing is deleted twice.
            std::for_each(built.rbegin(), built.rend(),
                          [](const QPointer<QObject>& object) { delete object.data(); });
            return nullptr;
        }
    }
    return form;
}

std::unique_ptr<Form> FormLoader::loadFile(const QString& path, QWidget* parent,
                                           FormError& error) const
{
    const std::optional<FormDescription> description = FormDescription::readFile(path, error);
    return description ? load(*description, parent, error) : nullptr;
}

bool FormLoader::build(const FormNode& node, QWidget* parent, int parentEntry,
                       const QString& fileName, Form& form, QList<QPointer<QObject>>& built,
                       FormError& error) const
{
    const auto fail = [&](int line, const QString& message) {
        error =
            FormError{fileName, line, QStringLiteral("%1: %2").arg(node.displayName(), message)};
        return false;
    };
    const FormClass* kind = formClass(node.className);
    if (!kind) {
        return fail(node.line, tr("unknown class %1").arg(node.className));
    }
    if (form.entry(node.name, node.index)) {
        return fail(node.line, tr("the name is used twice"));
    }
    const bool isTimer = kind->kind == FormClass::Kind::Timer;
    if (isTimer && node.geometry) {
        return fail(node.geometryLine, tr("a timer has no Left, Top, Width or Height"));
    }
    if (!isTimer && !node.geometry) {
        return fail(node.line, tr("Left, Top, Width and Height are missing"));
    }
    if (kind->kind != FormClass::Kind::Container && !node.children.isEmpty()) {
        return fail(node.children.first().line, tr("only a Frame can hold other controls"));
    }

    FormPropertyReader properties(node, fileName);
    const bool visible = isTimer || properties.boolean(VisibleKey, true);
    QObject* object = kind->create(parent, properties);
    if (object) {
        built.append(object);
    }
    properties.finish();
    if (!properties.ok() || !object) {
        error = properties.ok() ? FormError{fileName, node.line,
                                            tr("%1: could not be made").arg(node.displayName())}
                                : properties.error();
        return false;
    }

    Form::Entry entry;
    entry.name = node.name;
    entry.index = node.index;
    entry.object = object;
    entry.parentEntry = parentEntry;
    form.m_entries.append(entry);
    const int self = int(form.m_entries.size()) - 1;

    if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (kind->place) {
            kind->place(widget, *node.geometry);
        } else {
            widget->setGeometry(twipsToPixels(*node.geometry));
        }
        // A child of a window already on screen stays hidden until shown; a window of its own
        // is not shown by loading.
        if (!visible) {
            widget->hide();
        } else if (widget->parentWidget()) {
            widget->show();
        }
        for (const FormNode& child : node.children) {
            if (!build(child, widget, self, fileName, form, built, error)) {
                return false;
            }
        }
    }
    return true;
}

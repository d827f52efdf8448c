#pragma once

#include "C_ProgressBar.h"
#include "Form.h"
#include "FormDescription.h"
#include "FormPropertyWriter.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"

#include <QWidget>

// A loaded window written back as a description, to check that loading keeps everything a
// design says: the skinned controls write their settings from what they hold now, in their
// stored order and every one always; the other kinds, and every place, as the design read.
namespace FormWriteBack {

inline void writeProperties(const SimpControl& c, FormPropertyWriter& properties)
{
    properties.text(QStringLiteral("PosX"), c.posX());
    properties.text(QStringLiteral("PosY"), c.posY());
    properties.text(QStringLiteral("Pics"), c.pics());
    properties.integer(QStringLiteral("ValueIndex"), c.valueIndex());
    properties.integer(QStringLiteral("Value"), c.value());
    properties.integer(QStringLiteral("ActionType"), c.actionType());
    properties.boolean(QStringLiteral("Enabled"), c.controlEnabled());
    properties.colour(QStringLiteral("BackColor"), quint32(c.backColor()));
    properties.text(QStringLiteral("TagNew"), c.tagNew());
}

inline void writeProperties(const SkinnedSlider& c, FormPropertyWriter& properties)
{
    properties.boolean(QStringLiteral("ChangeMinMax"), c.changeMinMax());
    properties.integer(QStringLiteral("MaxValue"), c.maxValue());
    properties.integer(QStringLiteral("MinPos"), c.minPos());
    properties.integer(QStringLiteral("MaxPos"), c.maxPos());
    properties.integer(QStringLiteral("Value"), c.position());
    properties.boolean(QStringLiteral("Enabled"), c.controlEnabled());
    properties.integer(QStringLiteral("StableOtherPos"), c.stableOtherPos());
    properties.integer(QStringLiteral("ValueOffset"), c.valueOffset());
    properties.integer(QStringLiteral("BackPic"), c.backPic());
    properties.integer(QStringLiteral("BarPic"), c.barPic());
    properties.integer(QStringLiteral("DisplayType"), c.displayType());
    properties.text(QStringLiteral("TagNew"), c.tagNew());
    properties.boolean(QStringLiteral("isQ"), c.isQ());
}

inline void writeProperties(const ShowNumber& c, FormPropertyWriter& properties)
{
    properties.integer(QStringLiteral("PicNumber"), c.picNumber());
    properties.integer(QStringLiteral("PicDig"), c.picDig());
    properties.integer(QStringLiteral("Value"), c.value());
    properties.colour(QStringLiteral("BackColor"), quint32(c.backColor()));
    properties.boolean(QStringLiteral("Div10"), c.div10());
    properties.integer(QStringLiteral("BackPic"), c.backPic());
    properties.text(QStringLiteral("TagNew"), c.tagNew());
}

inline const FormNode* findNode(const QList<FormNode>& nodes, const QString& name, int index)
{
    for (const FormNode& node : nodes) {
        if (node.index == index && node.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &node;
        }
        if (const FormNode* inside = findNode(node.children, name, index)) {
            return inside;
        }
    }
    return nullptr;
}

inline FormNode describeEntry(const Form& form, int i, const FormDescription& design)
{
    const Form::Entry& e = form.entries()[i];
    const FormNode* read = findNode(design.nodes, e.name, e.index);
    Q_ASSERT(read);
    FormNode node;
    node.className = read->className;
    node.name = e.name;
    node.index = e.index;
    node.geometry = read->geometry;
    FormPropertyWriter writer;
    if (const auto* button = qobject_cast<const SimpControl*>(e.object)) {
        writeProperties(*button, writer);
        node.properties = writer.properties();
    } else if (const auto* slider = qobject_cast<const SkinnedSlider*>(e.object)) {
        writeProperties(*slider, writer);
        node.properties = writer.properties();
    } else if (const auto* number = qobject_cast<const ShowNumber*>(e.object)) {
        writeProperties(*number, writer);
        node.properties = writer.properties();
    } else if (!qobject_cast<const C_ProgressBar*>(e.object)) { // it stores nothing
        for (const FormProperty& p : read->properties) {
            if (p.key.compare(u"Visible", Qt::CaseInsensitive) != 0) {
                node.properties.append(p);
            }
        }
    }
    if (const auto* widget = qobject_cast<const QWidget*>(e.object.data());
        widget && widget->isHidden()) {
        node.properties.append(FormProperty{QStringLiteral("Visible"), QStringLiteral("False")});
    }
    for (int child = 0; child < form.entries().size(); ++child) {
        if (form.entries()[child].parentEntry == i) {
            node.children.append(describeEntry(form, child, design));
        }
    }
    return node;
}

} // namespace FormWriteBack

// The window as it stands, as a description, given the design it was loaded from.
inline FormDescription describeForm(const Form& form, const FormDescription& design,
                                    const QString& fileName = QString())
{
    FormDescription description;
    description.fileName = fileName;
    for (int i = 0; i < form.entries().size(); ++i) {
        if (form.entries()[i].parentEntry < 0) {
            description.nodes.append(FormWriteBack::describeEntry(form, i, design));
        }
    }
    return description;
}

// The design place in twips of a control the form built; empty for timers.
inline std::optional<QRectF> designGeometry(const Form& form, const FormDescription& design,
                                            const QObject* object)
{
    for (const Form::Entry& e : form.entries()) {
        if (e.object == object) {
            const FormNode* read = FormWriteBack::findNode(design.nodes, e.name, e.index);
            return read ? read->geometry : std::nullopt;
        }
    }
    return std::nullopt;
}

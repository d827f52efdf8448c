#pragma once

#include "FormProperty.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

// One control of a window description: its class, name and element index, its place in twips
// (relative to the frame that holds it) and its own properties in file order. Frames hold their
// controls as children.
class FormNode
{
public:
    QString className;
    QString name;
    int index = -1; // element index of a control array, -1 for a single control
    int line = 0;   // line of its "Begin"
    std::optional<QRectF> geometry;
    int geometryLine = 0;
    QList<FormProperty> properties;
    QList<FormNode> children;

    // Keys are compared without regard to case, as hand-written files spell them freely.
    const FormProperty* property(QStringView key) const;
    // "MyScrollBar(17)" or "btnClose", as the file names it.
    QString displayName() const;
};

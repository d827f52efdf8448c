#include "FormNode.h"

const FormProperty* FormNode::property(QStringView key) const
{
    for (const FormProperty& p : properties) {
        if (key.compare(p.key, Qt::CaseInsensitive) == 0) {
            return &p;
        }
    }
    return nullptr;
}

QString FormNode::displayName() const
{
    return index >= 0 ? QStringLiteral("%1(%2)").arg(name).arg(index) : name;
}

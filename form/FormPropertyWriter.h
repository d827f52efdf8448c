#pragma once

#include "FormProperty.h"

#include <QList>

// Collects a control's properties, in the order it writes them, for a window description.
class FormPropertyWriter
{
public:
    void text(const QString& key, const QString& value);
    void integer(const QString& key, qint64 value);
    void boolean(const QString& key, bool value);
    // Colours read best as &H hex: &HFABA00 rather than 16431616.
    void colour(const QString& key, quint32 rgb);

    const QList<FormProperty>& properties() const { return m_properties; }

private:
    QList<FormProperty> m_properties;
};

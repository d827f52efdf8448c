#pragma once

#include "FormProperty.h"

#include <QList>

// Collects a control's properties, in the order it writes them, for a window description.
class FormPropertyWriter
{
public:
    void text(const QString& key, const QString& value)
    {
        m_properties.append(FormProperty{key, value, true, 0});
    }
    void integer(const QString& key, qint64 value)
    {
        m_properties.append(FormProperty{key, QString::number(value), false, 0});
    }
    void boolean(const QString& key, bool value)
    {
        m_properties.append(
            FormProperty{key, value ? QStringLiteral("True") : QStringLiteral("False"), false, 0});
    }
    // Colours read best as &H hex: &HFABA00 rather than 16431616.
    void colour(const QString& key, quint32 rgb)
    {
        m_properties.append(FormProperty{
            key, QStringLiteral("&H%1").arg(rgb, 6, 16, QChar(u'0')).toUpper(), false, 0});
    }

    const QList<FormProperty>& properties() const { return m_properties; }

private:
    QList<FormProperty> m_properties;
};

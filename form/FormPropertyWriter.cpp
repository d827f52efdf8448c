#include "FormPropertyWriter.h"

void FormPropertyWriter::text(const QString& key, const QString& value)
{
    m_properties.append(FormProperty{key, value, true, 0});
}

void FormPropertyWriter::integer(const QString& key, qint64 value)
{
    m_properties.append(FormProperty{key, QString::number(value), false, 0});
}

void FormPropertyWriter::boolean(const QString& key, bool value)
{
    m_properties.append(
        FormProperty{key, value ? QStringLiteral("True") : QStringLiteral("False"), false, 0});
}

void FormPropertyWriter::colour(const QString& key, quint32 rgb)
{
    m_properties.append(
        FormProperty{key, QStringLiteral("&H%1").arg(rgb, 6, 16, QChar(u'0')).toUpper(), false, 0});
}

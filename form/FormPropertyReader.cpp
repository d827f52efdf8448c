#include "FormPropertyReader.h"

#include "NumberLiteral.h"

FormPropertyReader::FormPropertyReader(const FormNode& node, const QString& fileName)
    : m_node(node)
    , m_fileName(fileName)
{}

bool FormPropertyReader::has(QStringView key) const
{
    return m_node.property(key) != nullptr;
}

const FormProperty* FormPropertyReader::take(QStringView key)
{
    m_read.insert(key.toString().toLower());
    return m_failed ? nullptr : m_node.property(key);
}

QString FormPropertyReader::text(QStringView key, const QString& fallback)
{
    const FormProperty* p = take(key);
    return p ? p->text : fallback;
}

qint64 FormPropertyReader::integer(QStringView key, qint64 fallback, qint64 minimum, qint64 maximum)
{
    const FormProperty* p = take(key);
    if (!p) {
        return fallback;
    }
    const std::optional<qint64> value = parseNumberLiteral(p->text);
    if (!value) {
        fail(key, tr("%1 must be a whole number, not \"%2\"").arg(p->key, p->text));
        return fallback;
    }
    if (*value < minimum || *value > maximum) {
        fail(key, tr("%1 = %2 is outside %3 to %4").arg(p->key, p->text).arg(minimum).arg(maximum));
        return fallback;
    }
    return *value;
}

double FormPropertyReader::number(QStringView key, double fallback, double minimum, double maximum)
{
    const FormProperty* p = take(key);
    if (!p) {
        return fallback;
    }
    bool ok = false;
    const double value = p->text.toDouble(&ok);
    if (!ok) {
        fail(key, tr("%1 must be a number, not \"%2\"").arg(p->key, p->text));
        return fallback;
    }
    if (!(value >= minimum && value <= maximum)) {
        fail(key, tr("%1 = %2 is outside %3 to %4").arg(p->key, p->text).arg(minimum).arg(maximum));
        return fallback;
    }
    return value;
}

bool FormPropertyReader::boolean(QStringView key, bool fallback)
{
    const FormProperty* p = take(key);
    if (!p) {
        return fallback;
    }
    const QString value = p->text.trimmed();
    if (value.compare(u"True", Qt::CaseInsensitive) == 0 || value == u"-1") {
        return true;
    }
    if (value.compare(u"False", Qt::CaseInsensitive) == 0 || value == u"0") {
        return false;
    }
    fail(key, tr("%1 must be True or False, not \"%2\"").arg(p->key, p->text));
    return fallback;
}

void FormPropertyReader::fail(QStringView key, const QString& message)
{
    if (m_failed) {
        return;
    }
    m_failed = true;
    const FormProperty* p = m_node.property(key);
    m_error = FormError{m_fileName, p ? p->line : m_node.line,
                        QStringLiteral("%1: %2").arg(m_node.displayName(), message)};
}

void FormPropertyReader::finish()
{
    for (const FormProperty& p : m_node.properties) {
        if (!m_read.contains(p.key.toLower())) {
            fail(p.key, tr("%1 has no property %2").arg(m_node.className, p.key));
            return;
        }
    }
}

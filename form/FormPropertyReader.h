#pragma once

#include "FormError.h"
#include "FormNode.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>

// Hands a control the stored properties of its node: each read names its key (any case), the
// value used when the key is missing and the values allowed. The first wrong value is kept as
// the error, with the line of its key; later reads then give their defaults. Keys nobody read are
// reported by finish(), so that a misspelt key does not pass silently.
class FormPropertyReader
{
    Q_DECLARE_TR_FUNCTIONS(FormPropertyReader)

public:
    FormPropertyReader(const FormNode& node, const QString& fileName);

    const FormNode& node() const { return m_node; }

    bool has(QStringView key) const;
    QString text(QStringView key, const QString& fallback);
    qint64 integer(QStringView key, qint64 fallback, qint64 minimum, qint64 maximum);
    double number(QStringView key, double fallback, double minimum, double maximum);
    // True/False, or -1/0 as older files write them.
    bool boolean(QStringView key, bool fallback);

    // Refuses the value of key (or the whole control when the key is missing).
    void fail(QStringView key, const QString& message);
    void finish();

    bool ok() const { return !m_failed; }
    const FormError& error() const { return m_error; }

private:
    const FormProperty* take(QStringView key);

    const FormNode& m_node;
    QString m_fileName;
    QSet<QString> m_read; // lower-case keys
    bool m_failed = false;
    FormError m_error;
};

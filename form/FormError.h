#pragma once

#include <QString>

// Where a window description went wrong, told as "file:line: message" so that the person editing
// the file finds the line at once.
struct FormError
{
    QString file;
    int line = 0;
    QString message;

    QString toString() const
    {
        return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                        : QStringLiteral("%1: %2").arg(file, message);
    }
};

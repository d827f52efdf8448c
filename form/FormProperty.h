#pragma once

#include <QString>

// One "Key = value" of a window description. The text is the value without its quotes; quoted
// values are texts, unquoted ones numbers, booleans or hex literals.
struct FormProperty
{
    QString key;
    QString text;
    bool quoted = false;
    int line = 0;
};

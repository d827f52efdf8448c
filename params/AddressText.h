#pragma once

#include <QString>

// A parameter address as the program prints it: "0x03", "0xC5".
inline QString addressText(int address)
{
    return QStringLiteral("0x") + QString::number(address, 16).toUpper().rightJustified(2, u'0');
}

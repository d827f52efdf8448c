#include "MenuShowListing.h"

#include "MenuTable.h"

QStringList MenuShowListing::lines(const Flags& flags)
{
    QStringList lines;
    for (const MenuTable::Row& row : MenuTable::instance().rows()) {
        if (row.isHeader()) {
            lines.append(row.label);
            continue;
        }
        const std::optional<quint8> flag = flags.at(row.address);
        const QString state = !flag        ? QStringLiteral("-")
                              : *flag == 0 ? QStringLiteral("shown")
                                           : QStringLiteral("hidden");
        const QString hex = QString::number(row.address, 16).toUpper().rightJustified(2, u'0');
        lines.append(QStringLiteral("0x%1\t%2\t%3").arg(hex, row.label, state));
    }
    return lines;
}

#include "MenuShowListing.h"

#include "AddressText.h"
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
        lines.append(QStringList{addressText(row.address), row.label, state}.join(u'\t'));
    }
    return lines;
}

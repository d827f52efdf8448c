#include "ImportNotice.h"

#include "MenuTable.h"

QString ImportNotice::text(const ParamModel& before, const ParamModel& after, int lockAddress)
{
    QStringList changes;
    const quint8 lock = after.store().value(0, 0, lockAddress);
    if (lock != before.store().value(0, 0, lockAddress)) {
        changes.append(lock == 0 ? QStringLiteral("unlocked the front panel")
                                 : QStringLiteral("locked the front panel"));
    }
    int entries = 0;
    for (const MenuTable::Row& row : MenuTable::instance().rows()) {
        entries +=
            !row.isHeader() && after.menuShow()[row.address] != before.menuShow()[row.address];
    }
    if (entries > 0) {
        changes.append(
            QStringLiteral("changed whether %1 front-panel menu %2 shown (the menu "
                           "window, key q, sends that to the processor)")
                .arg(entries)
                .arg(entries == 1 ? QStringLiteral("entry is") : QStringLiteral("entries are")));
    }
    return changes.isEmpty() ? QString()
                             : QStringLiteral("The preset also %1.").arg(changes.join(u"; it "));
}

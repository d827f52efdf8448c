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
        changes.append(QStringLiteral("changed which entries the front-panel menu shows (%1; the "
                                      "menu window, key q, sends them to the processor)")
                           .arg(entries));
    }
    return changes.isEmpty() ? QString()
                             : QStringLiteral("The preset also %1.").arg(changes.join(u" and "));
}

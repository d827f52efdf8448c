#include "ImportNotice.h"

#include "MenuTable.h"

#include <QCoreApplication>

QString ImportNotice::text(const ParamModel& before, const ParamModel& after, int lockAddress)
{
    QStringList changes;
    const quint8 lock = after.store().value(ParamField::Value, 0, lockAddress);
    if (lock != before.store().value(ParamField::Value, 0, lockAddress)) {
        changes.append(lock == 0
                           ? QCoreApplication::translate("ImportNotice", "unlocked the front panel")
                           : QCoreApplication::translate("ImportNotice", "locked the front panel"));
    }
    int entries = 0;
    for (const MenuTable::Row& row : MenuTable::instance().rows()) {
        entries +=
            !row.isHeader() && after.menuShow()[row.address] != before.menuShow()[row.address];
    }
    if (entries > 0) {
        changes.append(
            QCoreApplication::translate("ImportNotice",
                                        "changed which entries the front-panel menu shows (%1; the "
                                        "menu window, key q, sends them to the processor)")
                .arg(entries));
    }
    return changes.isEmpty()
               ? QString()
               : QCoreApplication::translate("ImportNotice", "The preset also %1.")
                     .arg(changes.join(QCoreApplication::translate("ImportNotice", " and ")));
}

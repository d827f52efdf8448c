#include "DifferenceLines.h"

#include "AddressText.h"
#include "ParamBlocks.h"

#include <QCoreApplication>

QStringList DifferenceLines::lines(const QList<SettingDifference>& differences,
                                   const QString& otherLabel)
{
    QStringList lines;
    for (const SettingDifference& difference : differences) {
        const int address = difference.key.address;
        const QString where = isCommonAddress(address)
                                  ? QCoreApplication::translate("DifferenceLines", "common")
                                  : QCoreApplication::translate("DifferenceLines", "mode %1")
                                        .arg(difference.key.mode + 1);
        lines.append(
            QCoreApplication::translate("DifferenceLines", "%1, %2 %3: the processor has %4, %5 %6")
                .arg(where, addressText(address), difference.name(), difference.heldText(),
                     otherLabel, difference.wantedText()));
    }
    return lines;
}

#include "ReadBackReport.h"

#include "DifferenceLines.h"

#include <QCoreApplication>

QString ReadBackReport::message(const QList<SettingDifference>& remaining)
{
    if (remaining.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate(
               "ReadBackReport",
               "The processor did not keep %1, sent twice; the window now shows what "
               "it holds:\n%2")
        .arg(
            remaining.size() == 1
                ? QCoreApplication::translate("ReadBackReport", "this setting")
                : QCoreApplication::translate("ReadBackReport", "these %1 settings")
                      .arg(remaining.size()),
            DifferenceLines::lines(remaining, QCoreApplication::translate("ReadBackReport", "sent"))
                .join(u'\n'));
}

#include "ReadBackReport.h"

#include "DifferenceLines.h"

QString ReadBackReport::message(const QList<SettingDifference>& remaining)
{
    if (remaining.isEmpty()) {
        return {};
    }
    return QStringLiteral("The processor did not keep %1, sent twice; the window now shows what "
                          "it holds:\n%2")
        .arg(remaining.size() == 1 ? QStringLiteral("this setting")
                                   : QStringLiteral("these %1 settings").arg(remaining.size()),
             DifferenceLines::lines(remaining, QStringLiteral("sent")).join(u'\n'));
}

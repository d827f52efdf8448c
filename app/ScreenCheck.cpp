#include "ScreenCheck.h"

#include "UserMessages.h"

#include <QCoreApplication>
#include <QScreen>

bool ScreenCheck::isUsable(const QScreen& screen)
{
    return qFuzzyCompare(screen.logicalDotsPerInch(), RequiredDpi);
}

bool ScreenCheck::confirm(const QScreen& screen, UserMessages& messages)
{
    if (isUsable(screen)) {
        return true;
    }
    messages.showMessage(UserMessages::Icon::Exclamation,
                         QCoreApplication::translate("ScreenCheck", "DPI<>96!"));
    return false;
}

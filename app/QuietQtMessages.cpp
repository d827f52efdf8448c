#include "QuietQtMessages.h"

#include <QtGlobal>

namespace {

// The handler that was there before, set once at start.
QtMessageHandler previousHandler = nullptr;

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && QuietQtMessages::isNoise(message)) {
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

void QuietQtMessages::install()
{
    if (!previousHandler) {
        previousHandler = qInstallMessageHandler(filter);
    }
}

bool QuietQtMessages::isNoise(const QString& message)
{
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
           message == QLatin1String("This plugin does not support setting window masks");
}

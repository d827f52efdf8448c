#include "DefaultSimState.h"

#include <QDir>
#include <QStandardPaths>

QString DefaultSimState::path()
{
    // The generic folder with our own name rather than AppLocalDataLocation: that one is named
    // after the running program, which would give tonvexa-cli a processor of its own.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        return {};
    }
    return QDir(data).filePath(QStringLiteral("tonvexa/simulator.PA"));
}

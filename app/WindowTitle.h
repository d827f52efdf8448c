#pragma once

#include <QString>

// The caption of the main window, which its message boxes carry as well.
inline const QString WindowTitle = QStringLiteral("TOLVE Tonvexa");

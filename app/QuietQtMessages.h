#pragma once

#include <QString>

// Keeps Qt's warnings that tell the user of this program nothing off the terminal: that
// XDG_RUNTIME_DIR is unset (Qt uses a folder of its own, and a start without a desktop session
// never has it) and that the offscreen platform cannot shape a window (the rounded outline
// matters only on a screen). Every other message goes where it went before.
class QuietQtMessages
{
public:
    // Once, before the application object exists.
    static void install();
    static bool isNoise(const QString& message);
};

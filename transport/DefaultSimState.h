#pragma once

#include <QString>

// Where the simulated processor keeps its memory when --simulate names no file: in the user's
// data folder (~/.local/share/tonvexa/simulator.PA), so that, like a real processor, it remembers
// its settings between runs, and the window and tonvexa-cli talk to the same one. Never the
// working directory: an installed program may be started from anywhere, read-only places too.
class DefaultSimState
{
public:
    // Empty when the system names no data folder; the simulated processor then starts fresh and
    // keeps nothing.
    static QString path();
};

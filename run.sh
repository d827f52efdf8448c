#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts the main window against the simulated
# processor. Without a display it runs offscreen, saves a screenshot and prints its path.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
ensure_deps
configure_and_build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running offscreen and saving a screenshot of the window."
    # A 1920 x 1080 screen, where the window opens at its design size (the offscreen default
    # is 800 x 800, where it would open fitted to 800 pixels wide).
    screen="$PWD/build/offscreen-1920x1080.json"
    echo '{"screens":[{"name":"s","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]}' >"$screen"
    QT_QPA_PLATFORM="offscreen:configfile=$screen" exec build/app/tonvexa --simulate --screenshot "$PWD/tonvexa-screenshot.png"
fi
exec build/app/tonvexa --simulate "$@"

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
    exec build/app/tonvexa --simulate --screenshot "$PWD/tonvexa-screenshot.png"
fi
exec build/app/tonvexa --simulate "$@"

#!/usr/bin/env bash
# Remakes docs/tonvexa-window.png, the README's picture of the window: the simulated processor
# with a shaped music equaliser, drawn offscreen. Run after building (./run.sh or ./test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
state="$work/simulator.PA"
cli=build/cli/tonvexa-cli

# Music EQ bands 0x03..0x09: frequency index, gain byte (75 is 0 dB, each step 0.2 dB, lower is
# louder), Q byte (tenths).
"$cli" --simulate="$state" set 0 0x02 1 >/dev/null # the music EQ in (0, the factory value, bypasses it)
"$cli" --simulate="$state" set 0 0x03 19 50 10 >/dev/null # 56 Hz +5 dB: body under the voice
"$cli" --simulate="$state" set 0 0x05 71 95 20 >/dev/null # 400 Hz -4 dB: less box
"$cli" --simulate="$state" set 0 0x07 146 60 14 >/dev/null # 2.5 kHz +3 dB: presence
"$cli" --simulate="$state" set 0 0x08 184 55 8 >/dev/null  # 6.3 kHz +4 dB, broad: air
# A 1920 x 1080 screen, where the window opens at its design size (the offscreen default is a
# small 800 x 800 one).
echo '{"screens":[{"name":"s","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1}]}' \
    >"$work/screen.json"
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" build/app/tonvexa --simulate="$state" \
    --screenshot "$PWD/docs/tonvexa-window.png"

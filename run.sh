#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts them against the simulated processor.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
ensure_deps
configure_and_build
# Until the window lands: one exchange with the simulated processor, the frames on the log.
exec build/cli/tonvexa-cli --simulate --log send 1 0 0xC0

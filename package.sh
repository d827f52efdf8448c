#!/usr/bin/env bash
# Installs what is missing, builds the programs and makes the Debian package with CPack; prints
# the package's path. Install it with: sudo apt install ./build/package/tonvexa_*.deb
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
ensure_deps "${tonvexa_package_tools[@]}"
configure_and_build
(cd build && cpack >/dev/null)
ls "$PWD"/build/package/tonvexa_*.deb

#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite, then the benchmarks.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
# The package test also builds and checks the Debian package; the suite also runs the program on
# a real X server (Xvfb, driven by xdotool).
ensure_deps "${tonvexa_package_tools[@]}" desktop-file-utils appstream groff-base xvfb xdotool xauth
configure_and_build
cd build
ctest --output-on-failure --label-exclude bench -j 2
ctest --output-on-failure --label-regex bench

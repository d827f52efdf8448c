#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite, then the benchmarks.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
ensure_deps "${tonvexa_test_tools[@]}"
configure_and_build
cd build
ctest --output-on-failure --label-exclude 'bench|soak' -j 2
ctest --output-on-failure --label-regex bench

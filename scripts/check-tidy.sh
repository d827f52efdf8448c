#!/usr/bin/env bash
# Fails, printing the findings, when clang-tidy (with the checks .clang-tidy lists) finds anything
# in a C++ source of the programs, the libraries or the tools (the tests are left out, to keep CI
# short). It reads the compile commands and generated headers of a built
# tree: scripts/check-tidy.sh [BUILD_DIR], build-asan by default (clang's, as .ci/run builds it).
# Two files at a time, as the machine CI runs on has two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-deps.sh
ensure_deps "${tonvexa_check_tools[@]}"
build=${1:-build-asan}
database="$build/compile_commands.json"
if [ ! -f "$database" ]; then
    echo "No $database: configure and build $build first." >&2
    exit 1
fi
root=$PWD
# Every project source the build compiles but the tests; what it generates is not ours to tidy.
mapfile -t sources < <(sed -n 's/^ *"file": "\(.*\)",\?$/\1/p' "$database" |
    grep "^$root/" | grep -v -e "^$root/build" -e "^$root/tests/" | sort -u)
# Findings in the project's headers count too, those in Qt's and the generated ones do not.
folders=$(find . -mindepth 1 -maxdepth 1 -type d ! -name 'build*' ! -name '.*' -printf '%f\n' |
    sort | paste -sd '|')
headers="^${root//./\\.}/($folders)/"
started=$SECONDS
failed=0
printf '%s\0' "${sources[@]}" | xargs -0 -n 1 -P 2 sh -c '
    if ! out=$(clang-tidy-14 -p "$0" --quiet --header-filter="$1" "$2" 2>&1); then
        printf "%s\n" "$out"
        exit 1
    fi' "$build" "$headers" || failed=1
if [ "$failed" -ne 0 ]; then
    echo "clang-tidy: findings above (checks in .clang-tidy)" >&2
    exit 1
fi
echo "clang-tidy: no findings in ${#sources[@]} sources ($((SECONDS - started)) s)"

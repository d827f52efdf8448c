#!/usr/bin/env bash
# Fuzzes every target of a sanitizer build (see .ci/run) for a bounded time each, starting from
# the seed corpora in tests/fuzz/corpus, which stay as they are: what the fuzzer adds goes to
# BUILD/fuzz/TARGET/corpus, and an input that crashes or breaks an invariant to
# BUILD/fuzz/TARGET/. Prints each target's executions, executions per second and coverage.
#   usage: scripts/run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]     (default 30 s; longer on demand)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET]}
seconds=${2:-30}
status=0
found=0
for target in "$build"/tests/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    found=1
    name=$(basename "$target")
    work="$build/fuzz/$name"
    mkdir -p "$work/corpus"
    if "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
        "$work/corpus" "tests/fuzz/corpus/$name" >"$work/log" 2>&1; then
        # The last status line holds the coverage, the final statistics the rest.
        edges=$(grep -E '^#[0-9]+' "$work/log" | grep -oE 'cov: [0-9]+' | tail -1 | grep -oE '[0-9]+')
        total=$(grep -oE '\(([0-9]+) inline 8-bit counters\)' "$work/log" | grep -oE '[0-9]+' | head -1)
        runs=$(grep -oE 'number_of_executed_units:[[:space:]]+[0-9]+' "$work/log" | grep -oE '[0-9]+$')
        rate=$(grep -oE 'average_exec_per_sec:[[:space:]]+[0-9]+' "$work/log" | grep -oE '[0-9]+$')
        echo "$name: $runs executions in $seconds s ($rate/s), $edges of $total edges covered"
    else
        echo "$name: FAILED, the input is kept in $work/ (log: $work/log)"
        tail -n 40 "$work/log"
        status=1
    fi
done
if [ "$found" = 0 ]; then
    echo "No fuzz targets in $build: configure it with clang and -DTONVEXA_SANITIZE=ON." >&2
    exit 1
fi
exit $status

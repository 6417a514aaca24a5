#!/usr/bin/env bash
# Builds Zelt Noggle in Release into build-bench/ beside a bare Qt main window and measures, each
# in fresh processes, headless on a 1366x768 screen: start-up to the main window idle and peak
# memory of both, and the slowest user event of a whole run of each test.
# Usage: scripts/benchmark.sh [START_UPS (41)] [RUNS_OF_THE_TESTS (15)]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELT_BENCHMARK=ON >/dev/null
cmake --build build-bench --target bench_zeltnoggle bench_baseline bench_testruns bench_runner

screen=$(mktemp --suffix=.json)
trap 'rm -f "$screen"' EXIT
cat > "$screen" <<'JSON'
{ "screens": [ { "name": "Screen", "x": 0, "y": 0, "width": 1366, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
export QT_QPA_PLATFORM="offscreen:configfile=$screen"

bench=build-bench/bench
printf '\nHeadless, on a 1366x768 screen of the offscreen platform; the baseline is a bare maximised main window with a menu bar.\n'
"$bench/bench_runner" "$bench/bench_zeltnoggle" "$bench/bench_baseline" "$bench/bench_testruns" "$@"

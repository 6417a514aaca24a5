#!/usr/bin/env bash
# Builds Zelt Noggle in Release into build-bench/ beside a bare Qt main window and measures, each
# in fresh processes on a 1366x768 screen: start-up to the main window idle and peak memory of
# both, and the slowest user event of a whole run of each test.
# Usage: scripts/benchmark.sh [--xvfb] [START_UPS (41)] [RUNS_OF_THE_TESTS (15)]
#   headless on the offscreen platform, or with --xvfb on an X server (Xvfb) with openbox.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELT_BENCHMARK=ON >/dev/null
cmake --build build-bench --target bench_zeltnoggle bench_baseline bench_testruns bench_runner

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
if [ "${1:-}" = --xvfb ]; then
    shift
    source scripts/x-session.sh
    start_x_session "$work"
    export QT_QPA_PLATFORM=xcb
    where="on the X server $DISPLAY (Xvfb, 1366x768) with openbox"
else
    cat > "$work/screen.json" <<'JSON'
{ "screens": [ { "name": "Screen", "x": 0, "y": 0, "width": 1366, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
    export QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json"
    where="headless, on a 1366x768 screen of the offscreen platform"
fi

bench=build-bench/bench
printf '\nBoth programs %s; the baseline is a bare maximised main window with a menu bar.\n' "$where"
"$bench/bench_runner" "$bench/bench_zeltnoggle" "$bench/bench_baseline" "$bench/bench_testruns" "$@"

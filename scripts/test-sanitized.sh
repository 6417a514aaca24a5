#!/usr/bin/env bash
# Builds Zelt Noggle and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test there. Any report, a leak included, fails its test and the run.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-asan/build.ninja ] || cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELT_SANITIZE=ON
cmake --build build-asan

# The real program, started by some tests, inherits these too.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan -j2 --output-on-failure

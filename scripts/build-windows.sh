#!/usr/bin/env bash
# Cross-builds Zelt Noggle and its tests for 64-bit Windows into build-windows/ and packs the
# installer build-windows/ZeltNoggle-<version>-win64.exe. Installs what it needs from Debian's
# packages; builds Qt for Windows from Debian's source the first time (see scripts/windows/build-qt.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows/steps.sh

scripts/setup.sh          # the host's Qt: moc, rcc, uic, and the SVG renderer for our pictures
scripts/windows/setup.sh  # MinGW-w64, Wine, NSIS
qt=$(scripts/windows/build-qt.sh | tail -n 1)

out=build-windows
mkdir -p "$out"
log=$out/build.log
: >"$log"

# Our pictures are drawn on this machine, by a renderer built for it.
step "configuring the picture renderer for this machine" "$log" \
    cmake -S tools/iconrender -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release
step "building the picture renderer for this machine" "$log" cmake --build "$out/host"

# Test programs run under Wine, with the Qt just built (CTest puts the "emulator" before them).
step "configuring Zelt Noggle for Windows" "$log" \
    cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/windows/wine-run.sh;$qt" \
        -DZELT_ICON_RENDERER="$PWD/$out/host/zelt_iconrender"
step "building Zelt Noggle and its tests for Windows" "$log" cmake --build "$out"
step "packing the installer" "$log" bash -c "cd '$out' && cpack -G NSIS"
echo "$out/$(cd "$out" && ls ZeltNoggle-*-win64.exe)"

#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (Core, Gui, Widgets, Test, the windows platform plugin and the
# styles) from Debian's source of the very Qt the host has, with the MinGW-w64 compilers, and
# installs it into a cache folder outside the source tree. A Qt built before with the same version
# and options is reused. Prints the Qt folder on its last line.
#
# Usage: scripts/windows/build-qt.sh
#   ZELT_WINDOWS_CACHE  the cache folder (default ~/.cache/zelt-noggle-windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/windows/steps.sh

toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
cache=${ZELT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zelt-noggle-windows}
source_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
version=${source_version%%+*}

# What Zelt Noggle does not use is left out, to build in a fraction of the time. The repacked
# Debian source has no Wacom tablet library, so tablet events must be off as well.
options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DINPUT_opengl=no -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
)
key=$( (echo "$source_version"; printf '%s\n' "${options[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-mingw-$key

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
log=$work/log

step "fetching Debian's source of Qt $source_version" "$log" \
    bash -c "cd '$work' && apt-get source --download-only 'qt6-base=$source_version'"
step "unpacking Qt's source" "$log" \
    tar -xf "$work/qt6-base_${source_version%-*}.orig.tar.xz" -C "$work"
step "configuring Qt for Windows" "$log" \
    cmake -S "$work/qtbase-everywhere-src-$version" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
step "building Qt for Windows (about twenty minutes on two cores)" "$log" \
    cmake --build "$work/build"
step "installing Qt for Windows" "$log" \
    cmake --install "$work/build"

touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"

#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, with Qt's and the MinGW runtime's libraries on
# its path. CTest runs every Windows test program through it.
# Usage: scripts/windows/wine-run.sh QT_FOLDER PROGRAM.exe [ARGUMENT...]
set -euo pipefail
qt=$1
shift

# Wine's drive Z: is the root of this machine.
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }
compiler=x86_64-w64-mingw32-g++-posix
libraries=("$qt/bin" "$(dirname "$($compiler -print-file-name=libstdc++-6.dll)")"
           "$(dirname "$($compiler -print-file-name=libwinpthread-1.dll)")")
WINEPATH=$(for folder in "${libraries[@]}"; do windows_path "$folder"; done | paste -sd ';')
export WINEPATH
export WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"

#!/usr/bin/env bash
# Installs the Windows build (scripts/build-windows.sh first) into a Wine of its own on an X server
# and takes two pictures into docs/screenshots/windows/: the main window, and the Brain Test with a name.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/x-session.sh
installer=$(ls build-windows/ZeltNoggle-*-win64.exe)

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
start_x_session "$work"
wineboot --init >/dev/null 2>&1
wine "$installer" /S
wineserver -w

wine 'C:\Program Files\Zelt Noggle\ZeltNoggle.exe' >/dev/null 2>&1 &
timeout 60 xdotool search --sync --onlyvisible --name '^Zelt Noggle v1\.20$' >/dev/null
sleep 3
mkdir -p docs/screenshots/windows
import -window root docs/screenshots/windows/main-window.png
xdotool mousemove 470 109 click 1 # the Brain Test's button
sleep 2
xdotool type --delay 80 anna
sleep 1
import -window root docs/screenshots/windows/braintest-entry.png
echo docs/screenshots/windows/main-window.png docs/screenshots/windows/braintest-entry.png

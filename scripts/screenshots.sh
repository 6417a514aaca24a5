#!/usr/bin/env bash
# Runs the real program under Xvfb with a window manager, goes through every screen a user meets
# (start-up, main window, About box, each quiz from its entry page through a question to each of
# its verdicts) through the accessibility bus (scripts/screenshot_tour.py) and writes a picture of
# each.
#
# Usage: scripts/screenshots.sh [WIDTHxHEIGHT]
#   The pictures of a 1366x768 screen go into docs/screenshots/, those of any other size or of a
#   scaled run into docs/screenshots/WIDTHxHEIGHT[@SCALEx]/.
#   QT_SCALE_FACTOR=2 scripts/screenshots.sh 2732x1536 shows the same layout at 200 %.
#   ZELT_PROGRAM=/usr/bin/ZeltNoggle photographs an installed program instead of building one.
set -euo pipefail
cd "$(dirname "$0")/.."

size=${1:-1366x768}
scale=${QT_SCALE_FACTOR:-1}
program=${ZELT_PROGRAM:-}
if [ -z "$program" ]; then
    scripts/setup.sh
    scripts/build.sh
    program=$PWD/build/src/app/ZeltNoggle
fi
out=docs/screenshots
[ "$size" = 1366x768 ] && [ "$scale" = 1 ] || out=docs/screenshots/$size$([ "$scale" = 1 ] || echo "@${scale}x")
mkdir -p "$out"
rm -f "$out"/*.png

home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT

source scripts/x-session.sh
start_x_session "$home" "$size"

# The update question, before any main window, when the stored date is a month old.
mkdir -p "$XDG_CONFIG_HOME"
printf '[Settings]\nDuration=%s\n' "$(date -d '-30 days' +%F)" >"$XDG_CONFIG_HOME/ZeltNoggle.conf"

# The program on the accessibility bus, taken through its screens by the journeys every test uses.
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    "$1" >/dev/null 2>&1 &
    copy=$!
    status=0
    /usr/bin/python3 "$2" "$3" "$1" || status=$?
    kill "$copy" $(jobs -p) 2>/dev/null
    wait
    exit $status
' tour "$program" "$PWD/scripts/screenshot_tour.py" "$out"

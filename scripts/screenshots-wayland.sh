#!/usr/bin/env bash
# Runs the real program natively on Wayland (Weston, headless, pixman) and photographs the main
# window, a Brain Test question and the About box, which the compositor places, into
# docs/screenshots/wayland/. The program is taken there through its accessibility interface.
#
# Usage: scripts/screenshots-wayland.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
program=$PWD/build/src/app/ZeltNoggle
out=$PWD/docs/screenshots/wayland
mkdir -p "$out"
rm -f "$out"/*.png

source scripts/wayland-session.sh
home=$(mktemp -d)
mkdir -m 700 "$home/runtime" "$home/config" "$home/home"
weston_pid=
trap '[ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null; wait; rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime HOME=$home/home QT_QPA_PLATFORM=wayland
unset DISPLAY
# The screenshooter needs Weston's debug protocol.
start_wayland_session "$home" 1366x768 --debug

dbus-run-session -- bash -c '
    program=$1 out=$2 home=$3 steps=$4
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
    copy=$!
    shoot() {
        sleep 1
        (cd "$home" && rm -f wayland-screenshot-*.png && weston-screenshooter >/dev/null 2>&1)
        mv "$home"/wayland-screenshot-*.png "$out/$1.png"
        echo "$out/$1.png"
    }
    step() { /usr/bin/python3 "$steps" "$1"; }
    step launcher && shoot main-window
    step brain-question && shoot braintest-question
    step about && shoot about
    step close-about
    step exit
    wait "$copy"
' shooter "$program" "$out" "$home" "$PWD/scripts/wayland_steps.py"

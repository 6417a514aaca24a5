#!/usr/bin/env bash
# Runs the real program under Xvfb with the accessibility stack on and walks its tree with
# atspi_walk.py. Usage: atspi_check.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/x-session.sh"
home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
# The X server, the window manager and the folder go when the check ends, however it ends.
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$home"' EXIT

export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime HOME=$home
start_x_session "$home"

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$1" >/dev/null 2>&1 &
    status=0
    timeout 150 /usr/bin/python3 "$2" || status=$?
    kill $(jobs -p) 2>/dev/null
    wait
    exit $status
' checker "$program" "$here/atspi_walk.py"

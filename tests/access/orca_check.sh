#!/usr/bin/env bash
# Runs the real program with Orca, the screen reader, under Xvfb in a session of its own, takes it
# through the tests by keyboard (orca_walk.py) and checks what Orca says. Orca's debug file records
# every utterance; braille is off, and speech goes to a speech server with no sound device (Orca's
# flat review speaks only while speech is on).
# Usage: orca_check.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/x-session.sh"
home=$(mktemp -d)
mkdir -m 700 "$home/runtime" "$home/config" "$home/home"
# ZELT_ORCA_LOG=FILE keeps Orca's whole debug file there.
trap 'kill $(jobs -p) 2>/dev/null || true; wait; [ -z "${ZELT_ORCA_LOG:-}" ] || cp "$home/orca.log" "$ZELT_ORCA_LOG"; rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime HOME=$home/home
start_x_session "$home"

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$1" >/dev/null 2>&1 &
    timeout 30 xdotool search --sync --onlyvisible --name "^Zelt Noggle v1\.20$" >/dev/null
    /usr/bin/python3 "$2/orca_line_buffered.py" -d braille -d main-window -d splash-window \
        -u "$3/orca" --debug-file "$3/orca.log" >/dev/null 2>&1 &
    status=0
    timeout 540 /usr/bin/python3 "$2/orca_walk.py" "$3/orca.log" || status=$?
    # The bus launcher ends its accessibility bus on TERM; Orca may need KILL.
    kill $(jobs -p) 2>/dev/null
    sleep 1
    kill -KILL $(jobs -p) 2>/dev/null
    wait
    exit $status
' checker "$program" "$here" "$home"

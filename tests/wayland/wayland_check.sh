#!/usr/bin/env bash
# Runs the real program natively on Wayland: on Weston, headless, with Qt's Wayland platform.
# Checks through the accessibility bus and the program's Wayland protocol log (wayland_walk.py)
# a quiz, a message box and the About box, the app id and the windows the boxes are transient
# for; then two copies started together; then a compositor or a platform plugin that is missing:
# without the plugin the program still runs in a Wayland session, through XWayland.
# Usage: wayland_check.sh PROGRAM APP_ID
set -euo pipefail
program=$1 app_id=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/wayland-session.sh"
home=$(mktemp -d)
mkdir -m 700 "$home/runtime" "$home/config" "$home/home"
weston_pid=
trap '[ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null; wait; rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime HOME=$home/home
export QT_QPA_PLATFORM=wayland
# Nothing may fall back to an X server.
unset DISPLAY
start_wayland_session "$home" 1366x768 --xwayland
xwayland_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$home/weston.log")

# SCRIPT [ARGUMENT...] run inside a session bus of its own, with the accessibility bus.
run_on_accessibility_bus() {
    dbus-run-session -- bash -c "$1" checker "${@:2}"
}

# ends_by_itself PID: whether the copy of the program with that pid ends within a minute (a build
# with the sanitizers takes its time) with status 0. One that does not is ended here.
ends_by_itself() {
    for _ in $(seq 600); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    if kill "$1" 2>/dev/null; then
        echo "FAIL: the program was still running"
        wait "$1" || true
        return 1
    fi
    local status=0
    wait "$1" || status=$?
    [ $status -eq 0 ] || echo "FAIL: the program ended with status $status"
    return $status
}
export -f ends_by_itself

echo "one copy: a quiz to its verdict, a message box, the About box"
run_on_accessibility_bus '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    WAYLAND_DEBUG=client QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>"$4/protocol.log" &
    copy=$!
    status=0
    timeout 150 /usr/bin/python3 "$2" one "$4/protocol.log" "$3" || status=$?
    ends_by_itself "$copy" || status=1
    # What the program said besides its protocol log.
    [ $status -eq 0 ] || grep -v "^\[" "$4/protocol.log" | tail -n 40
    kill "$bus" 2>/dev/null
    wait
    exit $status
' "$program" "$here/wayland_walk.py" "$app_id" "$home"

echo "two copies started together"
run_on_accessibility_bus '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>&1 &
    first=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >/dev/null 2>&1 &
    second=$!
    status=0
    timeout 150 /usr/bin/python3 "$2" two || status=$?
    for copy in $first $second; do
        ends_by_itself "$copy" || status=1
    done
    kill "$bus" 2>/dev/null
    wait
    exit $status
' "$program" "$here/wayland_walk.py"

# expect_refusal WHAT PROGRAM: the program must say why on its error stream and end with a
# non-zero status at once, as Qt does; never hang.
expect_refusal() {
    local what=$1 status=0
    timeout 20 "$2" >/dev/null 2>"$home/refusal.log" || status=$?
    if [ $status -eq 124 ]; then
        echo "FAIL: with $what the program still ran after 20 seconds"
        exit 1
    fi
    if [ $status -eq 0 ] || ! grep -q "wayland" "$home/refusal.log"; then
        echo "FAIL: with $what the program ended with status $status, saying: $(cat "$home/refusal.log")"
        exit 1
    fi
    echo "PASS: with $what the program ends at once with status $status, saying why"
}

WAYLAND_DISPLAY=zelt-no-such-compositor expect_refusal "no compositor" "$program"
# A copy of the program that finds no Qt platform plugin but X11's, as if qt6-wayland were not
# installed.
cp "$program" "$home/ZeltNoggle"
mkdir -p "$home/plugins/platforms"
ln -s "$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so" "$home/plugins/platforms/"
printf '[Paths]\nPlugins=%s\n' "$home/plugins" >"$home/qt.conf"
expect_refusal "no Wayland platform plugin" "$home/ZeltNoggle"

echo "no Wayland platform plugin in a Wayland session: through XWayland"
(
    unset QT_QPA_PLATFORM
    XDG_SESSION_TYPE=wayland DISPLAY=$xwayland_display "$home/ZeltNoggle" >/dev/null 2>"$home/xwayland.log" &
    copy=$!
    status=0
    DISPLAY=$xwayland_display timeout 60 xdotool search --sync --onlyvisible --name "^Zelt Noggle v1\.20$" \
        >/dev/null || status=$?
    kill "$copy" 2>/dev/null || { echo "FAIL: the program ended: $(cat "$home/xwayland.log")"; exit 1; }
    wait "$copy" || true
    [ $status -eq 0 ] || { echo "FAIL: no main window on XWayland: $(cat "$home/xwayland.log")"; exit 1; }
    echo "PASS: without the Wayland plugin the main window comes up through XWayland"
)

#!/usr/bin/env bash
# Runs the real program under Xvfb with a window manager and writes a picture of each screen a
# user meets into docs/screenshots/. Usage: scripts/screenshots.sh [WIDTHxHEIGHT]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh

size=${1:-1366x768}
out=docs/screenshots
program=$PWD/build/src/ZeltNoggle
home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
display=:$((90 + RANDOM % 100))
export DISPLAY=$display

Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1

shoot() { sleep "${2:-0.8}"; import -window root "$out/$1.png"; echo "$out/$1.png"; }
start_program() { "$program" >/dev/null 2>&1 & program_pid=$!; }
main_window() { xdotool search --sync --name '^Zelt Noggle v1\.20$' | head -1; }

# Where the main window's controls lie, from its client area's top-left corner.
read -r screen_width _ < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
client_origin() { xwininfo -id "$(main_window)" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { print x, $4 }'; }
menu_height=19
click_at() { xdotool mousemove "$1" "$2" click 1; }
click_test_button() { # index 0, 2, 1 from left to right
    local lefts=(89 553 321) x y
    read -r x y < <(client_origin)
    click_at $((x + (screen_width - 729) / 2 + ${lefts[$1]} + 63)) $((y + menu_height + 37 + 3 + 13 + 16))
}

# The update question, before any main window, when the stored date is a month old.
mkdir -p "$XDG_CONFIG_HOME"
printf '[Settings]\nDuration=%s\n' "$(date -d '-30 days' +%F)" > "$XDG_CONFIG_HOME/ZeltNoggle.conf"
start_program
xdotool search --sync --name '^Zelt Noggle$' >/dev/null
shoot update-question
xdotool key n

main_window >/dev/null
shoot main-window 1.5

read -r x y < <(client_origin)
xdotool mousemove $((x + screen_width / 2)) $((y + menu_height + 37 + 60 + 184 + 10))
shoot main-window-hover
xdotool mousemove $((x + 5)) $((y + menu_height + 37 + 60 + 100))

xdotool key alt+h a
xdotool search --sync --name '^Zelt Noggle v1\.20$' >/dev/null
shoot about
xdotool key Escape

"$program" >/dev/null 2>&1 &
second=$!
shoot already-running 1.5
xdotool key Return
wait "$second" || true

for test in 0:braintest-entry 2:eqtest-entry 1:mftest-entry; do
    click_test_button "${test%%:*}"
    shoot "${test#*:}" 1
done

kill "$program_pid"

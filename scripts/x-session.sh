# The one way the scripts and tests get a desktop of their own: an X server (Xvfb) with the
# openbox window manager.
#
# Sourced: start_x_session FOLDER [WIDTHxHEIGHT] starts both and exports DISPLAY; the caller kills
# them when it ends, with `kill $(jobs -p)` in its EXIT trap.
# Run: x-session.sh [WIDTHxHEIGHT] starts both, prints the DISPLAY on a line of its own and keeps
# them until it is ended (TERM or INT), then ends them.

# Whether a window manager has named itself on the root window. (Not through a pipe: grep -q
# ending the pipe early fails it under pipefail.)
window_manager_runs() {
    [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]
}

# Xvfb picks a free display itself and tells its number through a file in FOLDER.
start_x_session() {
    local folder=$1 size=${2:-1366x768}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$folder/display" >/dev/null 2>&1 &
    for _ in $(seq 200); do [ -s "$folder/display" ] && break; sleep 0.1; done
    [ -s "$folder/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$folder/display")"
    openbox >/dev/null 2>&1 &
    for _ in $(seq 200); do window_manager_runs && break; sleep 0.1; done
    window_manager_runs || { echo "openbox did not start" >&2; return 1; }
    # openbox names itself on the root window a moment before it takes charge of new windows; a
    # window mapped in between stays unmanaged, and on a scaled screen may never show.
    sleep 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    session_folder=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$session_folder"' EXIT
    trap 'exit 0' TERM INT
    start_x_session "$session_folder" "${1:-1366x768}"
    echo "$DISPLAY"
    wait
fi

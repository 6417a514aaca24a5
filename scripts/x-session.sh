# Sourced by scripts that need a desktop of their own: an X server (Xvfb) with the openbox window
# manager. The caller kills them when it ends, with `kill $(jobs -p)` in its EXIT trap.

# start_x_session FOLDER [WIDTHxHEIGHT]: starts both and exports DISPLAY. Xvfb picks a free
# display itself and tells its number through a file in FOLDER.
start_x_session() {
    local folder=$1 size=${2:-1366x768}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$folder/display" >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
    [ -s "$folder/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$folder/display")"
    openbox >/dev/null 2>&1 &
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
    # openbox names itself on the root window a moment before it takes charge of new windows.
    sleep 1
}

# Sourced by scripts that need a Wayland desktop of their own: Weston, headless, drawing with its
# pixman renderer. The caller ends it with `kill "$weston_pid"` in its EXIT trap.

# start_wayland_session FOLDER [WIDTHxHEIGHT] [WESTON OPTION...]: starts Weston on a socket of its
# own in $XDG_RUNTIME_DIR (which must be set, private to the caller), sets weston_pid and exports
# WAYLAND_DISPLAY. Weston's log goes to FOLDER/weston.log; a Weston that does not come up fails
# with its log.
start_wayland_session() {
    local folder=$1 size=${2:-1366x768}
    shift $(($# < 2 ? $# : 2))
    local socket="zelt-wayland-$$"
    weston --no-config --backend=headless-backend.so --use-pixman --socket="$socket" \
        --width="${size%x*}" --height="${size#*x}" --idle-time=0 --log="$folder/weston.log" "$@" \
        >/dev/null 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$socket" ] && grep -q "launching '.*weston-desktop-shell'" "$folder/weston.log" \
            2>/dev/null && break
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -S "$XDG_RUNTIME_DIR/$socket" ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "FAIL: Weston did not start; its log:" >&2
        cat "$folder/weston.log" >&2 2>/dev/null || echo "(no log)" >&2
        return 1
    fi
    export WAYLAND_DISPLAY=$socket
    # The desktop shell draws its panel a moment after Weston opens its socket.
    sleep 1
}

# Runs the named steps of a long build. Each step's output goes to a log; a step that fails
# stops the script with its name and the end of its log, not with a later confusing error.
# Progress goes to standard error, so that a script's own output stays its result.

# step NAME LOG COMMAND...
step() {
    local name=$1 log=$2
    shift 2
    echo "==> $name" >&2
    local start
    : >>"$log"
    start=$(wc -l <"$log")
    if ! "$@" >>"$log" 2>&1; then
        # The first errors say what went wrong; the last lines where it stopped.
        echo "" >&2
        tail -n +"$((start + 1))" "$log" | grep -m 20 -E 'FAILED:|error:|Error|No such' >&2 || true
        echo "..." >&2
        tail -n 10 "$log" >&2
        echo "" >&2
        echo "FAILED: $name (the whole log: $log)" >&2
        exit 1
    fi
}

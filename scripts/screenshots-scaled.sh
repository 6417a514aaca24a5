#!/usr/bin/env bash
# Pictures of Zelt Noggle on small or strongly scaled screens, into docs/screenshots/scaled/: the
# main window and a quiz window, each before and after scrolling to what does not fit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/x-session.sh
scripts/setup.sh
scripts/build.sh >/dev/null
out=docs/screenshots/scaled
mkdir -p "$out"
rm -f "$out"/*.png

# shoot NAME SIZE SCALE [X Y]...: starts the program and takes a picture (NAME-before.png), clicks
# each point in turn (a pair "wheel N" turns the wheel N notches down where the pointer is), and
# takes another (NAME-after.png).
shoot() {
    local name=$1 size=$2 scale=$3 work
    shift 3
    work=$(mktemp -d)
    mkdir -m 700 "$work/runtime"
    (
        trap 'kill $(jobs -p) 2>/dev/null; wait' EXIT
        start_x_session "$work" "$size"
        XDG_CONFIG_HOME=$work XDG_RUNTIME_DIR=$work/runtime QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb \
            build/src/app/ZeltNoggle >"$work/output" 2>&1 &
        timeout 20 xdotool search --sync --onlyvisible --name '^Zelt Noggle v1\.20$' >/dev/null || { cat "$work/output" >&2; exit 1; }
        sleep 2
        import -window root "$out/$name-before.png"
        while (($#)); do
            if [ "$1" = wheel ]; then
                for _ in $(seq "$2"); do xdotool click 5; sleep 0.1; done
            else
                xdotool mousemove "$1" "$2"
                sleep 0.5
                xdotool click 1
            fi
            shift 2
            sleep 1.5
        done
        import -window root "$out/$name-after.png"
    )
    rm -rf "$work"
}

# 150 % on 1366x768: the Masculine Feminine Test, scrolled down to its start button.
shoot 1366x768-150 1366x768 1.5 1060 151 800 500 wheel 10
# 200 % on 1366x768: the Brain Test, scrolled down to its options and buttons.
shoot 1366x768-200 1366x768 2 345 196 700 500 wheel 10
# 300 % on 800x600: the main window, scrolled to the right to its last test button.
shoot 800x600-300 800x600 3 700 580 700 580 700 580 700 580 700 580 700 580
ls "$out"

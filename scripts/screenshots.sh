#!/usr/bin/env bash
# Runs the real program under Xvfb with a window manager, goes through every screen a user meets
# (start-up, main window, About box, each test from its entry page through a question to each of
# its verdicts) and writes a picture of each.
#
# Usage: scripts/screenshots.sh [WIDTHxHEIGHT]
#   The pictures of a 1366x768 screen go into docs/screenshots/, those of any other size or of a
#   scaled run into docs/screenshots/WIDTHxHEIGHT[@SCALEx]/.
#   QT_SCALE_FACTOR=2 scripts/screenshots.sh 2732x1536 shows the same layout at 200 %.
#   ZELT_PROGRAM=/usr/bin/ZeltNoggle photographs an installed program instead of building one.
set -euo pipefail
cd "$(dirname "$0")/.."

size=${1:-1366x768}
scale=${QT_SCALE_FACTOR:-1}
program=${ZELT_PROGRAM:-}
if [ -z "$program" ]; then
    scripts/setup.sh
    scripts/build.sh
    program=$PWD/build/src/ZeltNoggle
fi
out=docs/screenshots
[ "$size" = 1366x768 ] && [ "$scale" = 1 ] || out=docs/screenshots/$size$([ "$scale" = 1 ] || echo "@${scale}x")
mkdir -p "$out"
rm -f "$out"/*.png

home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
export XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT

# Xvfb picks a free display itself and tells its number.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
for _ in $(seq 50); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$home/display")
openbox >/dev/null 2>&1 &
sleep 1

shoot() { sleep "${2:-0.8}"; import -window root "$out/$1.png"; echo "$out/$1.png"; }
start_program() { "$program" >/dev/null 2>&1 & program_pid=$!; }
wait_for() {
    local found
    found=$(timeout 10 xdotool search --sync --onlyvisible --name "$1") || { echo "no window named $1" >&2; exit 1; }
    echo "${found%%$'\n'*}"
}
wait_gone() { while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do sleep 0.1; done; }
message_box='^Zelt Noggle$'
main_title='^Zelt Noggle v1\.20$'

# Geometry. The program lays its windows out in twips; look::px turns them into logical
# pixels, and Qt draws each logical pixel as $scale screen pixels.
read -r screen_width _ < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
logical_width=$((screen_width / scale))
px() { echo $((($1 + 7) / 15)); }
light_blue='#C0C0FF' # the banner strips across the top of the main window and of every test window

# The first screen row at or below $2 in column $1 with the colour $3.
first_row() {
    import -window root -crop "1x400+$1+$2" -depth 8 txt:- |
        awk -v colour="$3" -v top="$2" '!found && index($0, colour) { split($1, at, /[,:]/); print top + at[2]; found = 1 }'
}
point_screen() { xdotool mousemove "$1" "$2"; }
click_screen() { point_screen "$1" "$2"; xdotool click 1; }

# The main window: its content below the menu bar begins with the banner strip.
find_main_window() {
    local window x y
    window=$(wait_for "$main_title")
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { print x, $4 }')
    main_left=$x
    main_top=$(first_row $((x + 2)) "$y" "$light_blue")
    client_top=$((main_top + ($(px 560) + $(px 900)) * scale))
}
# Logical pixels from the top-left corner of the banner strip.
point_main() { point_screen $((main_left + $1 * scale)) $((main_top + $2 * scale)); }
click_main() { point_main "$@"; xdotool click 1; }
click_test_button() { # index 0, 2, 1 from left to right; frmMDI's cmdSelectOption_N
    local lefts=(1335 8295 4815)
    local container_left=$(((logical_width - $(px 10935)) / 2))
    local container_top=$((($(px 900) - $(px 800)) / 2))
    click_main $((container_left + $(px $((lefts[$1] + 945))))) $(($(px 560) + container_top + $(px $((188 + 247)))))
}

# A test window lies centred at the top of the client area, its own banner strip first.
open_test() { # test button index, client width in twips
    click_test_button "$1"
    sleep 0.8
    test_left=$((main_left + (logical_width - $(px "$2")) / 2 * scale))
    test_top=$(first_row $((main_left + screen_width / 2)) "$client_top" "$light_blue")
}
click_test() { click_screen $((test_left + $(px "$1") * scale)) $((test_top + $(px "$2") * scale)); }

# The update question, before any main window, when the stored date is a month old.
mkdir -p "$XDG_CONFIG_HOME"
printf '[Settings]\nDuration=%s\n' "$(date -d '-30 days' +%F)" >"$XDG_CONFIG_HOME/ZeltNoggle.conf"
start_program
wait_for "$message_box" >/dev/null
shoot update-question
xdotool key n

find_main_window
shoot main-window 1.5

point_main $((logical_width / 2)) $(($(px 560) + $(px 900) + $(px 2760) + 10)) # lblCaption_3, "Brain Test"
shoot main-window-hover
point_main 5 $(($(px 560) + $(px 900) + $(px 1500)))

xdotool key alt+h a
wait_for "$main_title" >/dev/null
shoot about
xdotool key Escape

"$program" >/dev/null 2>&1 &
second=$!
wait_for "$message_box" >/dev/null
shoot already-running
xdotool key Return
wait "$second" || true

# A button pressed by its mnemonic is clicked a moment later, once it has been shown pressed;
# the next click waits for that. Two clicks in a row land a little apart, so that they do not
# make a double click.
press() { xdotool key "$1"; sleep 0.3; }
nudge() { echo $(($1 + ($2 % 2) * 300)); }

# The Brain Test: an answer is chosen with the mouse and confirmed with "&Next" (Alt+N); "Show My
# Ability" has no mnemonic and is the default button (Enter). The right-brain answer is the
# first one of questions 1, 4, 7, 8, 9, 11, 16, 17 and 20.
# Where frmBrainTestDisplay's controls lie, in twips from its client area: optAnswerOne and
# optAnswerTwo, and on a tie cmdRightBrainResponsible and cmdLeftBrainResponsible.
brain_answer_left=870 brain_answer_tops=(2857 3337)
brain_explanation_top=4680 brain_right_left=2910 brain_left_left=7890
brain_answer() { # question number, answer 1 or 2
    click_test "$(nudge "$brain_answer_left" "$1")" "${brain_answer_tops[$2 - 1]}"
}
brain_run() { # twenty answers, 1 or 2 each; starts from the entry page with the details filled in
    press alt+b
    local question=0 answer
    for answer in "$@"; do
        question=$((question + 1))
        brain_answer "$question" "$answer"
        if [ "$question" -lt 20 ]; then
            press alt+n
        else
            [ -e "$out/braintest-last-question.png" ] || shoot braintest-last-question 0.5
            xdotool key Return
        fi
    done
}
open_test 0 10800
shoot braintest-entry
xdotool type anna
xdotool key alt+b
wait_for "$message_box" >/dev/null
shoot braintest-no-sex
xdotool key Return
wait_gone "$message_box"
xdotool key Tab space
press alt+b
press alt+n
wait_for "$message_box" >/dev/null
shoot braintest-no-answer
xdotool key Return
wait_gone "$message_box"
brain_answer 1 1
shoot braintest-question
press alt+b # back to the entry page, where the name and sex are kept

# The first answer everywhere gives 9 right-brain answers, the second everywhere 11; the first
# everywhere but "Faces" on question 2 gives 10, a tie.
brain_run 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
shoot braintest-left
press alt+b
brain_run 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2
shoot braintest-right
press alt+b
brain_run 1 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
shoot braintest-tie
click_test "$brain_right_left" "$brain_explanation_top"
shoot braintest-tie-right
click_test "$brain_left_left" "$brain_explanation_top"
shoot braintest-tie-left

# The Emotional Quotient Test: each statement's choice by mouse, "Next &Question" by Alt+Q.
# Choice i (0 "Strongly Agree" to 4 "Strongly Disagree") earns 5 - i points; optAnswerChoice_i
# lies at these twips from frmEQTestMain's client area.
eq_choice() { click_test "$(nudge 1300 "$1")" $((2175 + $2 * 360)); } # statement number, choice
eq_run() { # band number, fifteen choices
    local band=$1 statement=0 choice
    shift
    xdotool type anna
    press alt+s
    for choice in "$@"; do
        statement=$((statement + 1))
        eq_choice "$statement" "$choice"
        press alt+q
    done
    shoot "eqtest-band-$band"
    press alt+b # "&Back To Main" clears the name and puts the focus into it
}
open_test 2 7590
shoot eqtest-entry
press alt+s
wait_for "$message_box" >/dev/null
shoot eqtest-no-name
xdotool key Return
wait_gone "$message_box"
xdotool type anna
press alt+s
eq_choice 1 2
shoot eqtest-question
open_test 2 7590
# Totals of 15, 31, 45, 60 and 75 points.
eq_run 1 4 4 4 4 4 4 4 4 4 4 4 4 4 4 4
eq_run 2 2 3 3 3 3 3 3 3 3 3 3 3 3 3 3
eq_run 3 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2
eq_run 4 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
eq_run 5 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0

# The Masculine Feminine Test: answers and "Next" by mouse. The first answer is the masculine
# one of questions 2, 4, 8, 10, 13, 14, 17 and 20.
# Where frmMFTestMain's optOption1, optOption2 and cmdNext lie, in twips from its client area.
mf_answer_left=1350 mf_answer_tops=(2685 3285) mf_next_left=5100 mf_next_top=5175
mf_answer() { # question number, answer 1 or 2
    click_test "$(nudge "$mf_answer_left" "$1")" "${mf_answer_tops[$2 - 1]}"
}
mf_run() { # verdict name, twenty answers
    local verdict=$1 question=0 answer
    shift
    xdotool type anna
    xdotool key Tab
    xdotool type 30
    press alt+t
    for answer in "$@"; do
        question=$((question + 1))
        mf_answer "$question" "$answer"
        click_test "$(nudge "$mf_next_left" "$question")" "$mf_next_top"
    done
    shoot "mftest-$verdict"
    press alt+m # "Back To &Main" clears the details and puts the focus into the name
}
open_test 1 10800
shoot mftest-entry
xdotool type anna
xdotool key Tab
xdotool type a
wait_for "$message_box" >/dev/null
shoot mftest-age-not-number
xdotool key Return
wait_gone "$message_box"
xdotool type 30
press alt+t
mf_answer 1 2
shoot mftest-question
open_test 1 10800
# 8, 12 and 10 masculine answers.
mf_run feminine 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
mf_run masculine 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2
mf_run balanced 2 1 2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1

kill "$program_pid"

#!/usr/bin/env bash
# Shows how strong the event fuzzer is: applies small deliberate faults to a copy of the tree, one at
# a time, rebuilds incrementally and reports which faults the fuzzer alone, and which the whole test
# suite, catch. Not part of the test command; it takes some minutes per fault.
#
# Usage: scripts/mutants.sh [--fuzzer-only]
#   The copy and its build lie in build-mutants/. ZELT_FUZZ_SEEDS and ZELT_FUZZ_EVENTS set how long
#   the fuzzer runs for each fault: by default 64 seeds of 600 events, a minute at most, as a
#   boundary such as a Brain Test tie comes up only in some runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ZELT_FUZZ_SEEDS=${ZELT_FUZZ_SEEDS:-1-64} ZELT_FUZZ_EVENTS=${ZELT_FUZZ_EVENTS:-600}
suite=true
[ "${1:-}" = --fuzzer-only ] && suite=false

out=$PWD/build-mutants
tree=$out/tree
# A fresh copy of the tree; tar keeps the files' times, so the build stays incremental.
rm -rf "$tree"
mkdir -p "$tree"
tar -c --exclude='./build*' --exclude='./.git' . | tar -x -C "$tree"
[ -f "$out/build/build.ninja" ] || cmake -S "$tree" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out/build" >/dev/null

# Each fault: a name, a file, the text it changes and what it becomes.
faults=(
    "MF answers scored the wrong way round|src/mftest/frmMFTestMain.cpp|scoreMFAnswer(MFQuestionIndex, optOption1->isChecked());|scoreMFAnswer(MFQuestionIndex, !optOption1->isChecked());"
    "EQ scale reversed|src/eqtest/modEmotionalQuotientTest.cpp|qint16(ChoiceCount - choiceIndex)|qint16(1 + choiceIndex)"
    "Brain Test explanation panels swapped|src/braintest/frmBrainTestDisplay.cpp|case BrainVerdict::RightDominant: showExplanation(fraRightBrainResponsible); break;|case BrainVerdict::RightDominant: showExplanation(fraLeftBrainResponsible); break;"
    "MF Back To Main does nothing|src/mftest/frmMFTestMain.cpp|connect(cmdMain, &QPushButton::clicked, this, &frmMFTestMain::cmdMain_Click);|"
    "EQ Back To Main does nothing|src/eqtest/frmEQTestMain.cpp|connect(cmdBack, &QPushButton::clicked, this, &frmEQTestMain::cmdBack_Click);|"
    "Brain name filter removed|src/braintest/frmBrainTestMain.cpp|void frmBrainTestMain::txtName_KeyPress(int& KeyAscii)
{|void frmBrainTestMain::txtName_KeyPress(int& KeyAscii)
{
    return;"
    "Brain tie counted for the right brain|src/braintest/modBrainTest.cpp|if (BrainRightCount > BrainLeftCount)|if (BrainRightCount >= BrainLeftCount)"
    "EQ band 1 ends one too early|src/eqtest/modEmotionalQuotientTest.cpp|{15, 30, \"You have a LOW EQ\",|{15, 29, \"You have a LOW EQ\","
)

# replace FILE OLD NEW: exactly one occurrence, or the fault no longer fits the code.
replace() {
    python3 - "$@" <<'PYTHON'
import sys
path, old, new = sys.argv[1:4]
text = open(path).read()
if text.count(old) != 1:
    sys.exit(f"the fault does not fit {path} any more: {old!r}")
open(path, "w").write(text.replace(old, new))
PYTHON
}

fuzzer_caught=0
printf '\n%-42s %-8s %s\n' "fault" "fuzzer" "$($suite && echo "whole suite")"
for fault in "${faults[@]}"; do
    IFS='|' read -r -d '' name file old new <<<"$fault" || true
    new=${new%$'\n'}
    cp "$tree/$file" "$out/original"
    replace "$tree/$file" "$old" "$new"
    if ! cmake --build "$out/build" >"$out/build.log" 2>&1; then
        cp "$out/original" "$tree/$file"
        echo "$name: does not build (see $out/build.log)" >&2
        exit 1
    fi
    fuzzer=missed
    QT_QPA_PLATFORM=offscreen "$out/build/tests/fuzz/tst_eventfuzzer" randomEventsKeepTheProgramSound \
        >"$out/fuzzer.log" 2>&1 || { fuzzer=caught; fuzzer_caught=$((fuzzer_caught + 1)); }
    whole=""
    if $suite; then
        whole=missed
        QT_QPA_PLATFORM=offscreen ctest --test-dir "$out/build" -j2 >"$out/suite.log" 2>&1 || whole=caught
    fi
    printf '%-42s %-8s %s\n' "$name" "$fuzzer" "$whole"
    cp "$out/original" "$tree/$file"
done
cmake --build "$out/build" >/dev/null
echo
echo "The fuzzer alone caught $fuzzer_caught of ${#faults[@]} faults."
[ "$fuzzer_caught" = "${#faults[@]}" ]

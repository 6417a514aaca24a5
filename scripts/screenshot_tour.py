#!/usr/bin/python3
"""Takes the running program, on an X server with its accessibility bus, through every screen a
user meets and photographs each into OUT_FOLDER: it starts at the update question, and starts a
second copy (PROGRAM) for the refusal. Usage: screenshot_tour.py OUT_FOLDER PROGRAM"""

import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from atspi import (TEXTS, answer_brain, answer_eq, answer_mf, brain_name_box, caption,  # noqa: E402
                   choose_brain_answer, close_about, find, find_text, launcher_shown, open_about, open_quiz,
                   point_at, press_named, program, programs, start_brain, start_eq, start_mf, type_into,
                   wait_for)

out, second_copy = sys.argv[1], sys.argv[2]
BRAIN, EQ, MF = TEXTS["brain"], TEXTS["eq"], TEXTS["mf"]


def shoot(name, settle=0.8):
    time.sleep(settle)
    subprocess.run(["import", "-window", "root", os.path.join(out, name + ".png")], check=True)
    print(os.path.join(out, name + ".png"))


def message(text):
    wait_for(lambda: find_text(text), "the message %r" % text)


def answer_message(text, button="OK"):
    press_named(pyatspi.ROLE_PUSH_BUTTON, button)
    wait_for(lambda: not find_text(text), "the message %r to close" % text)


def press(text):
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(text))


# Start-up: the update question before any main window, then the main window.
wait_for(program, "the program on the accessibility bus", seconds=60)
# Its carriage return shows as a line break.
update_question = TEXTS["messages"]["updateQuestion"].replace("\r", "\n")
message(update_question)
shoot("update-question")
answer_message(update_question, "No")
wait_for(launcher_shown, "the launcher")
shoot("main-window", 1.5)
point_at(find(pyatspi.ROLE_LINK, TEXTS["launcher"]["buttons"][0]))
shoot("main-window-hover")
# Over the launcher's own black background, which takes the underline away.
subprocess.run(["xdotool", "mousemove", "5", "400"], check=True)

open_about()
shoot("about")
close_about()

copy = subprocess.Popen([second_copy], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
wait_for(lambda: len(programs()) == 2 and any(find_text(TEXTS["messages"]["alreadyRunning"], each)
                                               for each in programs()), "the second copy's refusal")
shoot("already-running")
refusal = next(each for each in programs() if find_text(TEXTS["messages"]["alreadyRunning"], each))
press_named(pyatspi.ROLE_PUSH_BUTTON, "OK", refusal)
copy.wait(timeout=30)

# The Brain Test: its messages, a question, the last question, each verdict.
open_quiz(0)
brain_name_box()
shoot("braintest-entry")
type_into(BRAIN["nameCaption"], "anna")
press(BRAIN["startButton"])
message(TEXTS["messages"]["selectYourSex"])
shoot("braintest-no-sex")
answer_message(TEXTS["messages"]["selectYourSex"])
start_brain()
press(BRAIN["next"])
message(TEXTS["messages"]["chooseAnAnswer"])
shoot("braintest-no-answer")
answer_message(TEXTS["messages"]["chooseAnAnswer"])
press_named(pyatspi.ROLE_RADIO_BUTTON, BRAIN["questions"][0]["first"])
shoot("braintest-question")
press(BRAIN["back"])
for verdict, answers in (("left", "1" * 20), ("right", "2" * 20), ("tie", "12" + "1" * 18)):
    press(BRAIN["startButton"])
    answer_brain(answers[:19])
    choose_brain_answer(19, answers[19])
    if verdict == "left":
        shoot("braintest-last-question")
    press_named(pyatspi.ROLE_PUSH_BUTTON, BRAIN["showMyAbility"])
    shoot("braintest-" + verdict)
    if verdict == "tie":
        press_named(pyatspi.ROLE_PUSH_BUTTON, BRAIN["rightBrainPanel"])
        shoot("braintest-tie-right")
        press_named(pyatspi.ROLE_PUSH_BUTTON, BRAIN["leftBrainPanel"])
        shoot("braintest-tie-left")
    press(BRAIN["back"])
    brain_name_box()

# The Emotional Quotient Test: its message, a statement, each band (15, 31, 45, 60, 75 points).
open_quiz(2, by_button=True)
wait_for(lambda: find(pyatspi.ROLE_TEXT, "Enter Name"), "the EQ Test's name box")
shoot("eqtest-entry")
press(EQ["startButton"])
message(TEXTS["messages"]["enterYourName"])
shoot("eqtest-no-name")
answer_message(TEXTS["messages"]["enterYourName"])
start_eq()
press_named(pyatspi.ROLE_RADIO_BUTTON, EQ["choices"][2])
shoot("eqtest-question")
open_quiz(2, by_button=True)
for band, choices in enumerate(("4" * 15, "2" + "3" * 14, "2" * 15, "1" * 15, "0" * 15), start=1):
    start_eq()
    answer_eq(choices)
    wait_for(lambda: find_text(EQ["bands"][band - 1]["headline"]), "band %d" % band)
    shoot("eqtest-band-%d" % band)
    press(EQ["backToMain"])

# The Masculine Feminine Test: its message, a question, each verdict (8, 12 and 10 masculine).
open_quiz(1, by_button=True)
wait_for(lambda: find(pyatspi.ROLE_TEXT, "Enter Name"), "the MF Test's name box")
shoot("mftest-entry")
type_into("Enter Age", "a")
message(TEXTS["messages"]["ageMustBeNumber"])
shoot("mftest-age-not-number")
answer_message(TEXTS["messages"]["ageMustBeNumber"])
start_mf()
press_named(pyatspi.ROLE_RADIO_BUTTON, MF["questions"][0]["second"])
shoot("mftest-question")
open_quiz(1, by_button=True)
for verdict, answers in (("feminine", "1" * 20), ("masculine", "2" * 20), ("balanced", "212" + "1" * 17)):
    start_mf()
    answer_mf(answers)
    wait_for(lambda: find_text(MF["verdicts"][verdict]["headline"]), "the %s verdict" % verdict)
    shoot("mftest-" + verdict)
    press(MF["backToMain"])

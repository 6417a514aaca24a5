#!/usr/bin/python3
"""One step of taking the running program to a screen, through its accessibility interface (on
Wayland no program can move another's mouse). Usage: wayland_steps.py STEP"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from atspi import (TEXTS, close_about, exit_brain_and_program, find_text, launcher_shown, open_about,  # noqa: E402
                   open_quiz, program, start_brain, wait_for)


def launcher():
    wait_for(program, "the program on the accessibility bus", seconds=60)
    wait_for(launcher_shown, "the launcher")


def brain_question():
    open_quiz(0)
    start_brain()
    wait_for(lambda: find_text(TEXTS["brain"]["questions"][0]["text"]), "the first question")


STEPS = {"launcher": launcher, "brain-question": brain_question, "about": open_about, "close-about": close_about,
         "exit": exit_brain_and_program}

if __name__ == "__main__":
    if len(sys.argv) != 2 or sys.argv[1] not in STEPS:
        sys.exit(__doc__)
    STEPS[sys.argv[1]]()

#!/usr/bin/python3
"""One step of taking the running program to a screen, through its accessibility interface (on
Wayland no program can move another's mouse). Usage: wayland_steps.py STEP"""

import os
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "support"))
from atspi import find, press, press_named, program, programs, wait_for, walk  # noqa: E402


def launcher():
    wait_for(program, "the program on the accessibility bus", seconds=60)
    wait_for(lambda: find(pyatspi.ROLE_LINK, "Brain Test"), "the launcher")


def brain_question():
    press_named(pyatspi.ROLE_LINK, "Brain Test")
    wait_for(lambda: find(pyatspi.ROLE_TEXT, "Name"), "the Brain Test's name box").queryEditableText() \
        .setTextContents("ANNA")
    press_named(pyatspi.ROLE_RADIO_BUTTON, "Male")
    press_named(pyatspi.ROLE_PUSH_BUTTON, "Take The Brain Test Now")
    wait_for(lambda: find(pyatspi.ROLE_RADIO_BUTTON, "Yes"), "the first question")


def about():
    item = next(node for node in walk(program())
                if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == "About Software")
    press(item)
    wait_for(lambda: find(pyatspi.ROLE_LINK, "Click here for more details."), "the About box")


def close_about():
    press_named(pyatspi.ROLE_PUSH_BUTTON, "OK")
    wait_for(lambda: not find(pyatspi.ROLE_LINK, "Click here for more details."), "the About box to close")


def exit_program():
    press_named(pyatspi.ROLE_PUSH_BUTTON, "Exit")
    wait_for(lambda: find(pyatspi.ROLE_LINK, "Brain Test"), "the launcher")
    press_named(pyatspi.ROLE_PUSH_BUTTON, "Exit")
    wait_for(lambda: not programs(), "the program to end")


STEPS = {"launcher": launcher, "brain-question": brain_question, "about": about, "close-about": close_about,
         "exit": exit_program}

if __name__ == "__main__":
    if len(sys.argv) != 2 or sys.argv[1] not in STEPS:
        sys.exit(__doc__)
    STEPS[sys.argv[1]]()

#!/usr/bin/python3
"""Takes the program through a Wayland session by its accessibility interface, as a screen reader
would, and reads from its Wayland protocol log (WAYLAND_DEBUG) what it told the compositor about
its windows. Exits non-zero with a message on the first fault.

Usage: wayland_walk.py one PROTOCOL_LOG APP_ID   (one copy runs: the main window, a quiz to its
                                                   verdict, a message box, the About box, Exit)
       wayland_walk.py two                       (two copies started together: one main window,
                                                   one refusal)"""

import os
import re
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi import (TEXTS, answer_brain, brain_name_box, caption, check_every_control_is_named, close_about,  # noqa: E402
                   exit_brain_and_program, fail, find, find_text, open_about, open_quiz, press_named, program,
                   programs, start_brain, wait_for)

MAIN_TITLE = TEXTS["program"]["titleWithVersion"]


def toplevels(protocol_log):
    """Every window the program asked the compositor for, in order: its title, its app id and the
    title of the window it is transient for."""
    windows = []
    latest = {}
    with open(protocol_log, errors="replace") as log:
        for line in log:
            created = re.search(r"get_toplevel\(new id xdg_toplevel@(\d+)\)", line)
            if created:
                window = {"title": None, "app_id": None, "parent": None}
                windows.append(window)
                latest[created.group(1)] = window
                continue
            request = re.search(r"-> xdg_toplevel@(\d+)\.(set_title|set_app_id|set_parent)\((.*)\)", line)
            if not request or request.group(1) not in latest:
                continue
            window, argument = latest[request.group(1)], request.group(3)
            if request.group(2) == "set_parent":
                parent = re.match(r"xdg_toplevel@(\d+)", argument)
                window["parent"] = latest[parent.group(1)] if parent else None
            else:
                window["title" if request.group(2) == "set_title" else "app_id"] = argument.strip('"')
    return windows


def main_window_shown():
    return find(pyatspi.ROLE_FRAME, MAIN_TITLE)


def one_copy(protocol_log, app_id):
    wait_for(program, "the program on the accessibility bus", seconds=60)
    wait_for(main_window_shown, "the main window")
    for quiz in TEXTS["launcher"]["buttons"]:
        wait_for(lambda: find(pyatspi.ROLE_PUSH_BUTTON, quiz), "the launcher's button %r" % quiz)
        wait_for(lambda: find(pyatspi.ROLE_LINK, quiz), "the launcher's link %r" % quiz)
    check_every_control_is_named()

    open_quiz(0)
    brain_name_box()
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["brain"]["startButton"]))
    message = TEXTS["messages"]["enterYourName"]
    wait_for(lambda: find_text(message), "the message %r" % message)
    press_named(pyatspi.ROLE_PUSH_BUTTON, "OK")
    wait_for(lambda: not find_text(message), "the message box to close")

    start_brain()
    answer_brain("1" * 20)
    wait_for(lambda: find_text(TEXTS["brain"]["verdicts"]["leftDominant"]), "the Brain Test's verdict")
    wait_for(lambda: find_text(TEXTS["brain"]["leftBrainPhrases"][0]), "the left brain's explanation")
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["brain"]["ok"]))
    brain_name_box()

    open_about()
    close_about()

    windows = toplevels(protocol_log)
    if not windows or windows[0]["title"] != MAIN_TITLE:
        fail("the first window the compositor was asked for is not the main window: %s" % windows)
    main_window = windows[0]
    if main_window["app_id"] != app_id:
        fail("the main window's app id is %r, not %r" % (main_window["app_id"], app_id))
    if main_window["parent"] is not None:
        fail("the main window is transient for another window")
    boxes = {"the message box": TEXTS["program"]["title"], "the About box": MAIN_TITLE}
    for what, title in boxes.items():
        box = next((window for window in windows[1:] if window["title"] == title), None)
        if box is None:
            fail("%s never came to the compositor; windows: %s" % (what, [w["title"] for w in windows]))
        if box["parent"] is not main_window:
            fail("%s is not transient for the main window, so the compositor cannot place it over it" % what)

    exit_brain_and_program()
    print("PASS: on Wayland the program runs a quiz, its boxes are transient for the main window, "
          "its app id is %s" % app_id)


def two_copies():
    wait_for(lambda: len(programs()) == 2, "both copies on the accessibility bus", seconds=60)

    def refusing():
        return next((copy for copy in programs() if find_text(TEXTS["messages"]["alreadyRunning"], copy)), None)
    refusal = wait_for(refusing, "one copy's refusal %r" % TEXTS["messages"]["alreadyRunning"])
    main_windows = [copy for copy in programs() if find(pyatspi.ROLE_FRAME, MAIN_TITLE, copy)]
    if len(main_windows) > 1 or find(pyatspi.ROLE_FRAME, MAIN_TITLE, refusal):
        fail("the copy that refuses to run shows a main window")
    wait_for(lambda: [copy for copy in programs() if find(pyatspi.ROLE_FRAME, MAIN_TITLE, copy)],
             "the main window of the copy that runs")
    press_named(pyatspi.ROLE_PUSH_BUTTON, "OK", refusal)
    wait_for(lambda: len(programs()) == 1, "the refusing copy to end")
    if len([copy for copy in programs() if find(pyatspi.ROLE_FRAME, MAIN_TITLE, copy)]) != 1:
        fail("the copy that runs lost its main window")
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["launcher"]["exit"]))
    wait_for(lambda: not programs(), "the running copy to end after its Exit")
    print("PASS: of two copies started together on Wayland, one shows its main window and one refuses")


if __name__ == "__main__":
    if sys.argv[1:2] == ["one"]:
        one_copy(sys.argv[2], sys.argv[3])
    elif sys.argv[1:2] == ["two"]:
        two_copies()
    else:
        sys.exit(__doc__)

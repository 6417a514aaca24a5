#!/usr/bin/python3
"""Walks the accessibility tree of the running program through AT-SPI, as a screen reader
does, and checks what it announces. Exits non-zero with a message on the first fault."""

import os
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi import (TEXTS, brain_name_box, caption, check_every_control_is_named, close_about, fail, find,  # noqa: E402
                   find_text, launcher_shown, open_about, open_quiz, press, program, showing, start_brain,
                   wait_for, walk)


def main():
    # A slow start (a sanitized build on a busy machine) takes its time to join the bus.
    wait_for(program, "the program on the accessibility bus", seconds=60)
    wait_for(lambda: find(pyatspi.ROLE_PUSH_BUTTON, TEXTS["launcher"]["buttons"][0]), "the Brain Test button")

    links = [node for node in walk(program()) if node.getRole() == pyatspi.ROLE_LINK and showing(node)]
    link_names = [node.name for node in links]
    for expected in TEXTS["launcher"]["buttons"]:
        if expected not in link_names:
            fail("the launcher label %r is not announced as a link; links: %s" % (expected, link_names))
    if TEXTS["brand"]["fullBrand"] not in link_names:
        fail("the offer at the bottom is not announced as a link")
    if find(pyatspi.ROLE_LINK, TEXTS["launcher"]["labels"][0]):
        fail("the welcome line is announced as a link")
    check_every_control_is_named()

    open_quiz(0)
    brain_name_box()
    check_every_control_is_named()
    for option in TEXTS["brain"]["sexes"]:
        if not find(pyatspi.ROLE_RADIO_BUTTON, option):
            fail("the option %r is not announced" % option)

    press(find(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["brain"]["startButton"])))
    message = TEXTS["messages"]["enterYourName"]
    wait_for(lambda: find_text(message), "the message box reading %r" % message)
    press(find(pyatspi.ROLE_PUSH_BUTTON, "OK"))
    wait_for(lambda: not find_text(message), "the message box to close")

    # What a covered panel holds is not on screen for a screen reader either: on a question, the
    # verdict's buttons and explanations are not showing.
    start_brain()
    wait_for(lambda: find(pyatspi.ROLE_RADIO_BUTTON, TEXTS["brain"]["questions"][0]["first"]),
             "the first question's answers")
    for name in (caption(TEXTS["brain"]["ok"]), TEXTS["brain"]["rightBrainPanel"], TEXTS["brain"]["leftBrainPanel"]):
        covered = [node.getRoleName() for node in walk(program()) if node.name == name and showing(node)]
        if covered:
            fail("the covered %s %r is showing on the first question" % (covered[0], name))
    # The strips show the fully-branded offer; the co-brand offer under it is not showing.
    co_brand = [node for node in walk(program()) if node.name == TEXTS["brand"]["coBrand"]]
    if not co_brand:
        fail("the co-brand offer is missing from the strips")
    if any(showing(node) for node in co_brand):
        fail("the covered co-brand offer of a strip is showing")

    # Help, "About Software" chosen through the accessibility interface opens the About box.
    open_about()
    close_about()
    print("PASS: the accessibility tree reads as it should")


if __name__ == "__main__":
    main()

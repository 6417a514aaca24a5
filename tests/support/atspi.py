"""What the program shows to a screen reader, read through AT-SPI as a screen reader reads it:
finding the running program and its controls, pressing them, and a user's journeys through the
program made of such presses. Each function ends the check with a message on the first fault."""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from texts import TEXTS  # noqa: E402


# The name the program goes by on the accessibility bus: its executable's.
PROGRAM = "ZeltNoggle"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(find, what, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            found = find()
        except GLib.GError:
            # A control went while it was looked at, a window closing: look again.
            found = None
        if found:
            return found
        time.sleep(0.2)
    fail("never appeared: " + what)


def programs():
    """Every running copy of the program on the accessibility bus."""
    desktop = pyatspi.Registry.getDesktop(0)
    copies = []
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == PROGRAM:
            copies.append(application)
    return copies


def program():
    copies = programs()
    return copies[0] if copies else None


def walk(node):
    if node is None:
        return
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(role, name, within=None):
    for node in walk(within or program()):
        if node.getRole() == role and node.name == name and showing(node):
            return node
    return None


def find_text(text, within=None):
    """A label or static text on screen that reads exactly the text."""
    for node in walk(within or program()):
        if node.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC) and node.name == text and showing(node):
            return node
    return None


def press(node):
    """Presses the control as a screen reader does; the program answers at once, also when the
    press opens a modal box (a caller waiting for the box to close would hang)."""
    actions = node.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    for index, action in enumerate(names):
        if action.lower() in ("press", "click", "toggle"):
            started = time.time()
            actions.doAction(index)
            if time.time() - started > 2:
                fail("pressing %s %r took %.1f s to answer" % (node.getRoleName(), node.name, time.time() - started))
            return
    fail("%s %r cannot be pressed; its actions: %s" % (node.getRoleName(), node.name, names))


def press_named(role, name, within=None):
    node = wait_for(lambda: find(role, name, within), "a control named %r" % name)
    press(node)


def check_every_control_is_named():
    for node in walk(program()):
        role = node.getRole()
        if not showing(node):
            continue
        if role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_LINK,
                    pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX) and not node.name.strip():
            parent = node.parent.name if node.parent else ""
            fail("a %s without a name (in %r)" % (node.getRoleName(), parent))


# A user's journeys through the program, taken through its accessibility interface.


def caption(text):
    """A caption as a screen reader names it: without the mark of its access key."""
    return text.replace("&", "")


def launcher_shown():
    return find(pyatspi.ROLE_LINK, TEXTS["launcher"]["buttons"][0])


def open_quiz(button_index, by_button=False):
    """Presses the quiz's label on the launcher, named as its button, or its button, which is there
    also while a quiz is open."""
    role = pyatspi.ROLE_PUSH_BUTTON if by_button else pyatspi.ROLE_LINK
    press_named(role, TEXTS["launcher"]["buttons"][button_index])


def brain_name_box():
    return wait_for(lambda: find(pyatspi.ROLE_TEXT, TEXTS["brain"]["nameCaption"]), "the Brain Test's name box")


def start_brain(name="ANNA"):
    """Gives the Brain Test a name, as typed capitals, and the first sex, and starts it."""
    brain_name_box().queryEditableText().setTextContents(name)
    press_named(pyatspi.ROLE_RADIO_BUTTON, TEXTS["brain"]["sexes"][0])
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["brain"]["startButton"]))


def choose_brain_answer(index, answer):
    """Chooses '1' or '2' on the Brain Test's question of that index, once it is on screen."""
    question = TEXTS["brain"]["questions"][index]
    wait_for(lambda: find_text(question["text"]), "question %d" % (index + 1))
    press_named(pyatspi.ROLE_RADIO_BUTTON, question["first" if answer == "1" else "second"])


def answer_brain(pattern):
    """Answers the Brain Test's questions from the first, '1' or '2' each, pressing the forward
    button after each."""
    for index, answer in enumerate(pattern):
        choose_brain_answer(index, answer)
        forward = TEXTS["brain"]["showMyAbility"] if index == 19 else caption(TEXTS["brain"]["next"])
        press_named(pyatspi.ROLE_PUSH_BUTTON, forward)


def open_about():
    item = next((node for node in walk(program())
                 if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == "About Software"), None)
    if item is None:
        fail("the menu item \"About Software\" is not announced")
    press(item)
    wait_for(lambda: find(pyatspi.ROLE_LINK, TEXTS["about"]["moreDetails"]), "the About box")


def close_about():
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["about"]["ok"]))
    wait_for(lambda: not find(pyatspi.ROLE_LINK, TEXTS["about"]["moreDetails"]), "the About box to close")


def exit_brain_and_program():
    """From a Brain Test window: its Exit, then the main window's."""
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["brain"]["exit"]))
    wait_for(launcher_shown, "the launcher after the Brain Test's Exit")
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["launcher"]["exit"]))
    wait_for(lambda: not programs(), "the program to end after the main window's Exit")


def type_into(box_name, text):
    """Gives the named text box the focus and types the text, key by key, on the X server (as a
    user types: every character goes through the box's filter)."""
    box = wait_for(lambda: find(pyatspi.ROLE_TEXT, box_name), "the text box %r" % box_name)
    box.queryComponent().grabFocus()
    wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), "the focus in %r" % box_name)
    subprocess.run(["xdotool", "type", "--delay", "50", text], check=True)


def point_at(node):
    """Moves the X server's mouse pointer over the middle of the control."""
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2)], check=True)


def start_eq(name="Anna"):
    box = wait_for(lambda: find(pyatspi.ROLE_TEXT, "Enter Name"), "the EQ Test's name box")
    box.queryEditableText().setTextContents(name)
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["eq"]["startButton"]))


def answer_eq(choices):
    """Answers the EQ Test's statements, a choice from 0 ("Strongly Agree") to 4 each."""
    for statement, choice in enumerate(choices):
        wait_for(lambda: find_text(TEXTS["eq"]["statements"][statement]), "statement %d" % (statement + 1))
        press_named(pyatspi.ROLE_RADIO_BUTTON, TEXTS["eq"]["choices"][int(choice)])
        press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["eq"]["next"]))


def start_mf(name="Anna", age="30"):
    for box, text in (("Enter Name", name), ("Enter Age", age)):
        wait_for(lambda: find(pyatspi.ROLE_TEXT, box), "the MF Test's box %r" % box) \
            .queryEditableText().setTextContents(text)
    press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["mf"]["startButton"]))


def answer_mf(pattern):
    """Answers the MF Test's questions, '1' or '2' each, pressing "Next" after each."""
    for index, answer in enumerate(pattern):
        question = TEXTS["mf"]["questions"][index]
        wait_for(lambda: find_text(question["text"]), "question %d" % (index + 1))
        press_named(pyatspi.ROLE_RADIO_BUTTON, question["first" if answer == "1" else "second"])
        press_named(pyatspi.ROLE_PUSH_BUTTON, caption(TEXTS["mf"]["next"]))

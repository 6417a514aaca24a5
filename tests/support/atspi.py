"""What the program shows to a screen reader, read through AT-SPI as a screen reader reads it:
finding the running program and its controls, and pressing them. Each function ends the check with
a message on the first fault."""

import sys
import time

import pyatspi


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(find, what, seconds=15):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
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
        if application is not None and application.name == "ZeltNoggle":
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

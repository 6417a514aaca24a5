"""What Orca says, read from its debug file as it writes it, and the keys that make it speak:
the helpers of the checks that run Orca with the real program."""
import subprocess
import sys
import time

debug_file = None
said_before = 0
started = time.time()


def follow(orca_debug_file):
    """Reads what Orca says from its debug file from now on."""
    global debug_file
    debug_file = orca_debug_file


def speech():
    try:
        with open(debug_file, errors="replace") as log:
            return [line.split("SPEECH OUTPUT: ", 1)[1] for line in log if "SPEECH OUTPUT: " in line]
    except FileNotFoundError:
        return []


def keys(*names):
    """Presses the keys one after another. Alt with a letter is held a moment before and after the
    letter: every key goes through the accessibility bus to Orca and back before the program sees
    it, and on a busy machine an Alt released at once can overtake the letter, alone, and open the
    menu bar."""
    for name in names:
        if name.startswith("alt+"):
            for step in (["keydown", "alt"], ["key", name[4:]], ["keyup", "alt"]):
                subprocess.run(["xdotool", *step], check=True)
                time.sleep(0.3)
        else:
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
            time.sleep(0.25)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)


def said_soon(phrase, seconds):
    """Whether Orca says the phrase within the seconds; on yes, the step is done."""
    global said_before
    deadline = time.time() + seconds
    while time.time() < deadline:
        new = speech()[said_before:]
        for index, line in enumerate(new):
            if phrase in line:
                said_before += index + 1
                return True
        time.sleep(0.1)
    return False


def tab_to(phrase):
    """Presses Tab until Orca says the phrase: the control has the focus."""
    for _ in range(12):
        keys("Tab")
        if said_soon(phrase, 3):
            return
    sys.exit("Tab never reached %r" % phrase)


def choose_from_menu(menu_key, first_item, item_key, phrase):
    """Chooses a menu item with the access keys, until Orca says the phrase that follows. The item's
    key waits until Orca reads the menu's first item (a slow build takes its time to open the
    menu), or a few seconds, since Orca does not always read a menu that opens. On a busy machine
    the accessibility bus may lose the key press that opens the menu: then Escape, and again."""
    for _ in range(3):
        keys(menu_key)
        said_soon(first_item, 6)
        keys(item_key)
        if said_soon(phrase, 8):
            return
        keys("Escape")
    sys.exit("%s, %s never led to %r; Orca said:\n  %s"
             % (menu_key, item_key, phrase, "\n  ".join(speech()[said_before:][-15:])))


def expect(*phrases, seconds=15):
    """Waits until Orca has said each phrase (in this order) since the last step."""
    global said_before
    deadline = time.time() + seconds
    while True:
        said = speech()
        new = said[said_before:]
        position = 0
        found = 0
        for phrase in phrases:
            for index in range(position, len(new)):
                if phrase in new[index]:
                    position = index + 1
                    found += 1
                    break
            else:
                break
        if found == len(phrases):
            said_before += position
            print("%5.1f s  %s" % (time.time() - started, phrases[-1]), file=sys.stderr, flush=True)
            return
        if time.time() > deadline:
            sys.exit("Orca did not say %r; it said:\n  %s" % (phrases[found], "\n  ".join(new[-15:])))
        time.sleep(0.1)


def mark():
    """Where Orca's speech stands now, for said_since."""
    return len(speech())


def said_since(position):
    return speech()[position:]


def expect_nothing_like(phrase, since, what):
    """Fails when Orca said something with the phrase since the mark."""
    said = [line for line in said_since(since) if phrase in line]
    if said:
        sys.exit("%s: Orca said %r" % (what, said[0]))


def said_first(choices, seconds):
    """Which of the phrases Orca says first within the seconds, or None; nothing is taken as done."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        for line in speech()[said_before:]:
            for phrase in choices:
                if phrase in line:
                    return phrase
        time.sleep(0.1)
    return None


def access_key(key, *phrases):
    """Presses an access key (alt+x) until Orca says the phrases. Now and then, on a busy machine,
    the Alt key reaches the program after the letter, alone, and opens the menu bar (Orca says the
    first menu): Escape closes it, and the key is pressed again unless it has already acted."""
    keys(key)
    if said_first(["File.", phrases[0]], 15) == "File.":
        keys("Escape")
        if said_first([phrases[0]], 4) is None:
            keys(key)
    expect(*phrases)

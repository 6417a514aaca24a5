"""Takes Zelt Noggle through its tests with the keyboard alone, as a blind user does, while Orca
runs, and checks after each step what Orca says: every question when it appears, the verdicts and
bands, the messages. Waits for each utterance instead of sleeping blindly.

Usage: orca_walk.py ORCA_DEBUG_FILE (the program and Orca already run on the display)."""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from texts import TEXTS  # noqa: E402

BRAIN = TEXTS["brain"]
QUESTIONS = BRAIN["questions"]

debug_file = sys.argv[1]
said_before = 0
started = time.time()


def speech():
    try:
        with open(debug_file, errors="replace") as log:
            return [line.split("SPEECH OUTPUT: ", 1)[1] for line in log if "SPEECH OUTPUT: " in line]
    except FileNotFoundError:
        return []


def keys(*names):
    for name in names:
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


# Orca greets the main window, whose first control has the focus.
expect(TEXTS["program"]["titleWithVersion"] + " frame", TEXTS["launcher"]["buttons"][0] + " push button", seconds=60)

# The Brain Test: the details, then every question as it comes, with its answers.
keys("space")
expect(BRAIN["caption"], "Name text")
type_text("anna")
keys("Tab")
expect("Male", "not selected radio button")
keys("space")
expect("selected")
keys("Return")
expect(QUESTIONS[0]["text"] + " panel", QUESTIONS[0]["first"] + ".", "not selected radio button")


class BrainAnswers:
    """The focus stays on the answer last chosen from one question to the next: Space chooses
    the answer with the focus, an arrow the other one."""

    def __init__(self):
        self.focus = 1

    def choose(self, wanted):
        keys("space" if wanted == self.focus else "Down")
        self.focus = wanted


answers = BrainAnswers()
answers.choose(2)
expect(QUESTIONS[0]["second"] + ".", "selected radio button")
keys("Return")
expect("notification %s %s, %s" % (QUESTIONS[1]["text"], QUESTIONS[1]["first"], QUESTIONS[1]["second"]))
# Then "Names" and the first answer of every other question: eight right-brain answers of
# twenty, the left brain is dominant.
for question in range(2, 21):
    answers.choose(1)
    keys("Return")
    if question < 20:
        expect("notification %d." % (question + 1))
expect("OK push button",
       "notification %s. %s" % (BRAIN["verdicts"]["leftDominant"], BRAIN["leftBrainPanel"]))
# OK goes back to the entry window; a tie: the first answers, but "Faces" on question 2.
keys("Return")
expect(BRAIN["caption"])
keys("alt+b")
expect(QUESTIONS[0]["text"] + " panel")
answers = BrainAnswers()
for question in range(1, 21):
    answers.choose(2 if question == 2 else 1)
    keys("Return")
    if question < 20:
        expect("notification %d." % (question + 1))
expect(BRAIN["rightBrainPanel"] + " push button", "notification " + BRAIN["verdicts"]["bothEqual"])
keys("alt+e")
expect(TEXTS["launcher"]["buttons"][0] + " push button")

# The Emotional Quotient Test: each statement as it comes, then the band.
tab_to(TEXTS["launcher"]["buttons"][2] + " push button")
keys("space")
expect("Enter Name text")
keys("alt+s")
expect(TEXTS["messages"]["enterYourName"])
keys("Return")
type_text("anna")
keys("alt+s")
expect("Question 1 of 15. %s panel" % TEXTS["eq"]["statements"][0], TEXTS["eq"]["choices"][0] + ".")
# "Next Question" has no default: the user goes to it with Tab and presses it, and the focus
# comes back to the answers, named by the next statement.
for statement in range(1, 16):
    keys("Down", "Down")
    expect(TEXTS["eq"]["choices"][2] + ".", "selected radio button")
    tab_to("Next Question push button")
    keys("space")
    if statement < 15:
        expect("Question %d of 15." % (statement + 1), TEXTS["eq"]["choices"][0] + ".")
# Fifteen times "Not Sure", 3 points each: 45.
expect("notification " + TEXTS["eq"]["bands"][2]["headline"])
keys("alt+b")
expect("Enter Name text")
choose_from_menu("alt+f", "Exit.", "x", TEXTS["launcher"]["buttons"][0] + " push button")

# The Masculine Feminine Test's entry page and its messages.
tab_to(TEXTS["launcher"]["buttons"][1] + " push button")
keys("space")
expect("Enter Name text")
keys("alt+t")
expect(TEXTS["messages"]["enterName"])
keys("Return")
type_text("anna")
keys("Tab")
type_text("3x")
expect(TEXTS["messages"]["ageMustBeNumber"])
keys("Return")
keys("Tab")
expect("Select Gender combo box", TEXTS["mf"]["sexes"][0])
keys("Down")
expect("notification " + TEXTS["mf"]["sexes"][1])
keys("alt+t")
expect(TEXTS["mf"]["questions"][0]["text"] + " panel", TEXTS["mf"]["questions"][0]["first"] + ".")
print("Orca said what a blind user needs at every step.")

"""Takes Zelt Noggle through its tests with the keyboard alone, as a blind user does, while Orca
runs, and checks after each step what Orca says: every question when it appears, the verdicts and
bands, the messages. Waits for each utterance instead of sleeping blindly.

Usage: orca_walk.py ORCA_DEBUG_FILE (the program and Orca already run on the display)."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from texts import TEXTS  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_speech import choose_from_menu, expect, follow, keys, tab_to, type_text  # noqa: E402

BRAIN = TEXTS["brain"]
QUESTIONS = BRAIN["questions"]
follow(sys.argv[1])

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

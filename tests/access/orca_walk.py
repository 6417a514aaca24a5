"""Takes Zelt Noggle through its tests with the keyboard alone, as a blind user does, while Orca
runs, and checks after each step what Orca says: every question when it appears, the verdicts with
their explanations and the bands, read again with Orca's flat review, the stops of Tab both ways,
the messages. Waits for each utterance instead of sleeping blindly.

Usage: orca_walk.py ORCA_DEBUG_FILE (the program and Orca already run on the display)."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from texts import TEXTS  # noqa: E402

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_speech import (access_key, choose_from_menu, expect, expect_nothing_like, follow, keys,  # noqa: E402
                         mark, tab_to, type_text)

BRAIN = TEXTS["brain"]
QUESTIONS = BRAIN["questions"]
BANNER = "Zelt Noggle Forum, the most popular brain teaser forum on the web."
OFFER = TEXTS["brand"]["fullBrand"]
follow(sys.argv[1])


def explanation(panel):
    """What is told of an explanation panel: its title and its ten phrases."""
    phrases = [phrase.strip() for phrase in BRAIN[panel + "Phrases"]]
    return "%s: %s." % (BRAIN[panel + "Panel"], ", ".join(phrases))


def review_screen(*phrases):
    """Orca's flat review reads the window on screen from the top, line by line (the keypad's plus
    key twice), with the phrases among its lines."""
    keys("KP_Add", "KP_Add")
    expect(*phrases)

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

# Tab goes round the question's page and back the same way, and each stop is named as what it is:
# the answers with their question, never the window's frame.
cycle_started = mark()
forward = ["Next push button", "Back push button", "Exit push button", BANNER, OFFER + " link",
           QUESTIONS[0]["first"] + "."]
for stop in forward:
    keys("Tab")
    expect(stop)
for stop in reversed(forward[:-1]):
    keys("shift+Tab")
    expect(stop)
keys("shift+Tab")
expect(QUESTIONS[0]["text"] + " panel", QUESTIONS[0]["first"] + ".")
expect_nothing_like(" frame", cycle_started, "a stop of Tab on a question")


class BrainAnswers:
    """The focus stays on the answer last chosen from one question to the next: Space chooses
    the answer with the focus, an arrow the other one."""

    def __init__(self):
        self.focus = 1

    def choose(self, wanted):
        keys("space" if wanted == self.focus else "Down")
        self.focus = wanted


def answer_brain(pattern):
    answers = BrainAnswers()
    for question, answer in enumerate(pattern, start=1):
        answers.choose(int(answer))
        keys("Return")
        if question < 20:
            expect("notification %d." % (question + 1))


# "No" on the first question, then the next question is told with its own answers; "Names" and
# the first answer of every other question: eight right-brain answers of twenty, the left brain
# is dominant. The focus comes to the verdict, and the explanation is told, every phrase of it.
answers = BrainAnswers()
answers.choose(2)
expect(QUESTIONS[0]["second"] + ".", "selected radio button")
keys("Return")
expect("notification %s %s, %s" % (QUESTIONS[1]["text"], QUESTIONS[1]["first"], QUESTIONS[1]["second"]))
for question in range(2, 21):
    answers.choose(1)
    keys("Return")
    if question < 20:
        expect("notification %d." % (question + 1))
expect(BRAIN["verdicts"]["leftDominant"] + " label", "notification " + explanation("leftBrain"))
# Enter twice after the verdict keeps it: Orca's flat review reads it again, with its phrases.
keys("Return", "Return")
keys("KP_Up")
expect(BRAIN["verdicts"]["leftDominant"])
review_screen(BRAIN["verdicts"]["leftDominant"], *[phrase.strip() for phrase in BRAIN["leftBrainPhrases"]])
# Alt+O presses OK: back to the details.
access_key("alt+o", "Name text")

# Every second answer: the right brain.
access_key("alt+b", QUESTIONS[0]["text"] + " panel")
answer_brain("2" * 20)
expect(BRAIN["verdicts"]["rightDominant"] + " label", "notification " + explanation("rightBrain"))
keys("KP_Up")
expect(BRAIN["verdicts"]["rightDominant"])
access_key("alt+o", "Name text")

# A tie: the first answers, but "Faces" on question 2. The user chooses a panel, which is told.
access_key("alt+b", QUESTIONS[0]["text"] + " panel")
answer_brain("12" + "1" * 18)
expect(BRAIN["verdicts"]["bothEqual"] + " label")
keys("Tab")
expect(BRAIN["rightBrainPanel"] + " push button")
keys("Return")
expect("notification " + explanation("rightBrain"))
access_key("alt+e", TEXTS["launcher"]["buttons"][0] + " push button")

# The Emotional Quotient Test: each statement as it comes, then the band.
tab_to(TEXTS["launcher"]["buttons"][2] + " push button")
keys("space")
expect("Enter Name text")
access_key("alt+s", TEXTS["messages"]["enterYourName"])
keys("Return")
expect("Enter Name text")
type_text("anna")
access_key("alt+s", "Question 1 of 15. %s panel" % TEXTS["eq"]["statements"][0], TEXTS["eq"]["choices"][0] + ".")
# "Not Sure", and "Next Question" with its access key: the next statement is told, and the choice
# goes back to "Strongly Agree", which is heard, and the focus with it.
keys("Down", "Down")
expect(TEXTS["eq"]["choices"][2] + ".", "selected radio button")
access_key("alt+q", "notification Question 2 of 15.", TEXTS["eq"]["choices"][0] + ".", "selected radio button")
# Then the answers, "Not Sure", and the button itself, each reached with Tab: the focus stays on
# the button, and each statement is told.
keys("Tab")
expect("Next Question push button")
for statement in range(2, 16):
    keys("shift+Tab")
    expect(TEXTS["eq"]["choices"][0] + ".")
    keys("Down", "Down")
    expect(TEXTS["eq"]["choices"][2] + ".", "selected radio button")
    keys("Tab")
    expect("Next Question push button")
    keys("space")
    if statement < 15:
        expect("notification Question %d of 15." % (statement + 1))
# Fifteen times "Not Sure", 3 points each: 45. Orca's flat review reads the band again.
expect("notification " + TEXTS["eq"]["bands"][2]["headline"])
review_screen(TEXTS["eq"]["bands"][2]["headline"], TEXTS["eq"]["bands"][2]["firstSentence"])
access_key("alt+b", "Enter Name text")
choose_from_menu("alt+f", "Exit.", "x", TEXTS["launcher"]["buttons"][0] + " push button")

# The Masculine Feminine Test's entry page and its messages.
tab_to(TEXTS["launcher"]["buttons"][1] + " push button")
keys("space")
expect("Enter Name text")
access_key("alt+t", TEXTS["messages"]["enterName"])
keys("Return")
expect("Enter Name text")
type_text("anna")
keys("Tab")
expect("Enter Age text")
type_text("3x")
expect(TEXTS["messages"]["ageMustBeNumber"])
keys("Return")
keys("Tab")
expect("Select Gender combo box", TEXTS["mf"]["sexes"][0])
keys("Down")
expect("notification " + TEXTS["mf"]["sexes"][1])
access_key("alt+t", TEXTS["mf"]["questions"][0]["text"] + " panel", TEXTS["mf"]["questions"][0]["first"] + ".")
# "Next" has no access key: the user goes to it and presses it, and each question is told.
keys("Tab")
expect("Next push button")
for question in range(1, 21):
    keys("space")
    if question < 20:
        expect("notification " + TEXTS["mf"]["questions"][question]["text"])
percentages = TEXTS["mf"]["percentageLine"].replace("%1", "40").replace("%2", "60")
expect("Back To Main push button", "notification " + percentages)
review_screen(percentages, TEXTS["mf"]["verdicts"]["feminine"]["headline"])
access_key("alt+m", "Enter Name text")
print("Orca said what a blind user needs at every step.")

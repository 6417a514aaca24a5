#include "EventChooser.h"

#include "ControlPaths.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace {

struct SpecialKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const std::array<SpecialKey, 6> SpecialKeys = {{
    {Qt::Key_Return, Qt::NoModifier},
    {Qt::Key_Escape, Qt::NoModifier},
    {Qt::Key_Tab, Qt::NoModifier},
    {Qt::Key_Backspace, Qt::NoModifier},
    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_Delete, Qt::NoModifier},
}};

// Letters in both cases, digits, blanks and the punctuation of addresses and file names.
const char TypedCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789     ./:-?&=";

bool inQuizWindow(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QuizWindow*>(widget))
            return true;
    }
    return false;
}

// The buttons and options of the test on screen are chosen most often, the main window's own
// controls (which unload the test) seldom, so that runs reach their verdicts.
int weightOf(const QWidget* control)
{
    if (!inQuizWindow(control))
        return 1;
    return qobject_cast<const QAbstractButton*>(control) || qobject_cast<const QLineEdit*>(control) ? 12 : 1;
}

} // namespace

EventChooser::EventChooser(unsigned seed)
    : m_random(seed)
{
}

UserEvent EventChooser::next(frmMDI& mainWindow)
{
    if (!m_typing.isEmpty()) {
        UserEvent event(UserEvent::Kind::Key);
        event.character = m_typing.front();
        m_typing.remove(0, 1);
        return event;
    }
    if (m_keysLeft > 0) {
        --m_keysLeft;
        return key();
    }
    if (m_answersLeft == 0 && chance(0.04)) {
        m_answersLeft = 60;
        planAnswers();
    }
    if (m_answersLeft > 0) {
        --m_answersLeft;
        if (chance(0.9))
            return answer(mainWindow);
    }
    const int roll = below(1000);
    if (roll < 560)
        return click(mainWindow);
    if (roll < 850)
        return key();
    if (roll < 880)
        return hover(mainWindow);
    if (roll < 920)
        return chooseEntry(mainWindow);
    if (roll < 980)
        return menuItem(mainWindow);
    if (roll < 996)
        return closeQuizWindow(mainWindow);
    return closeMainWindow(mainWindow);
}

UserEvent EventChooser::click(frmMDI& mainWindow)
{
    QList<QWidget*> controls;
    QList<int> weights;
    for (QWidget* control : reachableControls<QWidget>(mainWindow)) {
        const bool clickable = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control)
            || qobject_cast<QLineEdit*>(control);
        if (clickable && control != mainWindow.cmdMdiExit) {
            controls.append(control);
            weights.append(weightOf(control));
        }
    }
    if (controls.isEmpty())
        return key();
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    const QWidget* chosen = controls[pick(m_random)];
    if (qobject_cast<const QLineEdit*>(chosen))
        m_keysLeft = 1 + below(6);
    return UserEvent(UserEvent::Kind::Click, controlPath(chosen, mainWindow));
}

// One step of answering: an empty name or age box filled in, else an option of the test on
// screen, then a Next button, in turn.
UserEvent EventChooser::answer(frmMDI& mainWindow)
{
    for (QLineEdit* box : reachableControls<QLineEdit>(mainWindow)) {
        if (box->text().isEmpty() && inQuizWindow(box)) {
            m_typing = box->objectName() == QLatin1String("txtAge") ? "30" : "ann";
            return UserEvent(UserEvent::Kind::Click, controlPath(box, mainWindow));
        }
    }
    const bool nextIsDue = m_optionChosen;
    m_optionChosen = !m_optionChosen;
    QList<QAbstractButton*> candidates;
    for (QAbstractButton* button : reachableControls<QAbstractButton>(mainWindow)) {
        const bool fits = nextIsDue ? button->objectName() == QLatin1String("cmdNext")
                                    : qobject_cast<QRadioButton*>(button) && inQuizWindow(button);
        if (fits)
            candidates.append(button);
    }
    if (candidates.isEmpty())
        return click(mainWindow);
    const QAbstractButton* planned = nextIsDue ? nullptr : plannedOption(candidates);
    const QAbstractButton* chosen = planned ? planned : candidates[below(int(candidates.size()))];
    return UserEvent(UserEvent::Kind::Click, controlPath(chosen, mainWindow));
}

void EventChooser::planAnswers()
{
    m_followPlan = chance(0.9);
    // 10 of the twenty questions (a tie) get the right-brain (or masculine) answer, or 9, or 11.
    const int yes = chance(0.5) ? 10 : 9 + 2 * below(2);
    m_plannedYes.fill(false);
    for (int placed = 0; placed < yes;) {
        bool& question = m_plannedYes[std::size_t(below(20))];
        placed += question ? 0 : 1;
        question = true;
    }
    // An EQ total on either side of a band's edge: 15 points at least, then the rest spread out.
    static const std::array<int, 10> edges = {15, 30, 31, 42, 43, 54, 55, 66, 67, 75};
    std::array<int, 15> points;
    points.fill(1);
    for (int extra = edges[std::size_t(below(int(edges.size())))] - 15; extra > 0;) {
        int& statement = points[std::size_t(below(15))];
        if (statement < 5) {
            ++statement;
            --extra;
        }
    }
    for (std::size_t statement = 0; statement < points.size(); ++statement)
        m_plannedChoice[statement] = 5 - points[statement];
}

QAbstractButton* EventChooser::plannedOption(const QList<QAbstractButton*>& options) const
{
    if (!m_followPlan)
        return nullptr;
    const auto named = [&options](const QString& name) -> QAbstractButton* {
        for (QAbstractButton* option : options) {
            if (option->objectName() == name)
                return option;
        }
        return nullptr;
    };
    using namespace modBrainTest;
    using namespace modMaleFemaleTest;
    if (QAbstractButton* one = named(QStringLiteral("optAnswerOne"))) {
        const auto question = std::size_t(qBound(0, int(BrainQuestionIndex), 19));
        const bool oneIsRight = one->text() == BrainRightAnswers[question];
        return oneIsRight == m_plannedYes[question] ? one : named(QStringLiteral("optAnswerTwo"));
    }
    if (QAbstractButton* one = named(QStringLiteral("optOption1"))) {
        const auto question = std::size_t(qBound(0, int(MFQuestionIndex), 19));
        const bool oneIsMasculine = MFAnswerOneMasculine.at(question) == QLatin1String("1");
        return oneIsMasculine == m_plannedYes[question] ? one : named(QStringLiteral("optOption2"));
    }
    const auto statement = std::size_t(qBound(0, int(modEmotionalQuotientTest::EQQuestionIndex), 14));
    return named(QStringLiteral("optAnswerChoice_%1").arg(m_plannedChoice[statement]));
}

UserEvent EventChooser::hover(frmMDI& mainWindow)
{
    const QList<QLabel*> labels = reachableControls<QLabel>(mainWindow);
    if (labels.isEmpty())
        return key();
    return UserEvent(UserEvent::Kind::Hover, controlPath(labels[below(int(labels.size()))], mainWindow));
}

UserEvent EventChooser::key()
{
    UserEvent event(UserEvent::Kind::Key);
    const int roll = below(100);
    if (roll < 68) {
        event.character = TypedCharacters[below(int(sizeof(TypedCharacters)) - 1)];
        return event;
    }
    if (roll < 86) {
        // A mnemonic, or a letter with Alt that is none; Ctrl+Alt is how AltGr arrives on Windows.
        event.character = char('a' + below(26));
        event.modifiers = roll < 80 ? Qt::AltModifier : Qt::ControlModifier | Qt::AltModifier;
        return event;
    }
    if (roll < 90) {
        UserEvent text(UserEvent::Kind::InputText);
        for (int length = 1 + below(4); length > 0; --length)
            text.text += QLatin1Char(TypedCharacters[below(int(sizeof(TypedCharacters)) - 1)]);
        return text;
    }
    const SpecialKey& special = SpecialKeys[std::size_t(below(int(SpecialKeys.size())))];
    event.key = special.key;
    event.modifiers = special.modifiers;
    return event;
}

UserEvent EventChooser::chooseEntry(frmMDI& mainWindow)
{
    const QList<QComboBox*> lists = reachableControls<QComboBox>(mainWindow);
    if (lists.isEmpty())
        return click(mainWindow);
    UserEvent event(UserEvent::Kind::ChooseEntry, controlPath(lists[below(int(lists.size()))], mainWindow));
    event.key = chance(0.5) ? Qt::Key_Down : Qt::Key_Up;
    return event;
}

UserEvent EventChooser::menuItem(frmMDI& mainWindow)
{
    if (chance(0.5)) {
        UserEvent walk(UserEvent::Kind::WalkMenu);
        walk.character = chance(0.5) ? 'f' : 'h';
        walk.steps = below(8);
        walk.aboutAnswer = UserEvent::AboutAnswer(below(4));
        return walk;
    }
    QList<QAction*> items = menuItems(mainWindow);
    items.removeAll(mainWindow.menus.mnuExit);
    if (items.isEmpty())
        return key();
    UserEvent event(UserEvent::Kind::MenuItem, menuItemPath(items[below(int(items.size()))]));
    event.aboutAnswer = UserEvent::AboutAnswer(below(4));
    return event;
}

UserEvent EventChooser::closeQuizWindow(frmMDI& mainWindow)
{
    const QList<QuizWindow*> shown = shownQuizWindows(mainWindow);
    if (shown.isEmpty())
        return click(mainWindow);
    return UserEvent(UserEvent::Kind::CloseWindow, shown[below(int(shown.size()))]->objectName());
}

UserEvent EventChooser::closeMainWindow(frmMDI& mainWindow)
{
    switch (below(3)) {
    case 0: return UserEvent(UserEvent::Kind::Click, controlPath(mainWindow.cmdMdiExit, mainWindow));
    case 1: return UserEvent(UserEvent::Kind::MenuItem, menuItemPath(mainWindow.menus.mnuExit));
    default: return UserEvent(UserEvent::Kind::CloseWindow, mainWindow.objectName());
    }
}

int EventChooser::below(int bound)
{
    return std::uniform_int_distribution<int>(0, bound - 1)(m_random);
}

bool EventChooser::chance(double probability)
{
    return std::bernoulli_distribution(probability)(m_random);
}

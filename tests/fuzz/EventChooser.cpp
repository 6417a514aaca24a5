#include "EventChooser.h"

#include "ControlPaths.h"
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

bool inTestWindow(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const TestWindow*>(widget))
            return true;
    }
    return false;
}

// The buttons and options of the test on screen are chosen most often, the main window's own
// controls (which unload the test) seldom, so that runs reach their verdicts.
int weightOf(const QWidget* control)
{
    if (!inTestWindow(control))
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
    if (m_keysLeft > 0) {
        --m_keysLeft;
        return key();
    }
    if (m_answersLeft == 0 && chance(0.03))
        m_answersLeft = 60;
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
        return closeTestWindow(mainWindow);
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

// One step of answering: an option of the test on screen, then a Next button, in turn.
UserEvent EventChooser::answer(frmMDI& mainWindow)
{
    const bool nextIsDue = m_optionChosen;
    m_optionChosen = !m_optionChosen;
    QList<QAbstractButton*> candidates;
    for (QAbstractButton* button : reachableControls<QAbstractButton>(mainWindow)) {
        const bool fits = nextIsDue ? button->objectName() == QLatin1String("cmdNext")
                                    : qobject_cast<QRadioButton*>(button) && inTestWindow(button);
        if (fits)
            candidates.append(button);
    }
    if (candidates.isEmpty())
        return click(mainWindow);
    return UserEvent(UserEvent::Kind::Click, controlPath(candidates[below(int(candidates.size()))], mainWindow));
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
    if (chance(0.8)) {
        event.character = TypedCharacters[below(int(sizeof(TypedCharacters)) - 1)];
        return event;
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
    QList<QAction*> items = menuItems(mainWindow);
    items.removeAll(mainWindow.menus.mnuExit);
    if (items.isEmpty())
        return key();
    UserEvent event(UserEvent::Kind::MenuItem, menuItemPath(items[below(int(items.size()))]));
    event.aboutAnswer = UserEvent::AboutAnswer(below(4));
    return event;
}

UserEvent EventChooser::closeTestWindow(frmMDI& mainWindow)
{
    const QList<TestWindow*> shown = shownTestWindows(mainWindow);
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

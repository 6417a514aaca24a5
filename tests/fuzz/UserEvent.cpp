#include "UserEvent.h"

#include "ControlPaths.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

QString keyName(const UserEvent& event)
{
    if (event.character)
        return QKeySequence(event.modifiers).toString() + QStringLiteral("'%1'").arg(QLatin1Char(event.character));
    return QKeySequence(event.key | event.modifiers).toString();
}

QString aboutAnswerName(UserEvent::AboutAnswer answer)
{
    switch (answer) {
    case UserEvent::AboutAnswer::Ok: return QStringLiteral("OK");
    case UserEvent::AboutAnswer::HomePageThenOk: return QStringLiteral("home page, then OK");
    case UserEvent::AboutAnswer::CoBrandThenOk: return QStringLiteral("co-brand offer, then OK");
    case UserEvent::AboutAnswer::Escape: return QStringLiteral("Escape");
    }
    return {};
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, clickPoint(control));
}

// Answers the About box that the menu item has just opened, if it opened one.
void answerAboutBox(UserEvent::AboutAnswer answer, EventOutcome& outcome)
{
    auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    if (!about)
        return;
    outcome.answeredAboutBox = true;
    // A window manager gives a new modal box the keyboard; the headless platform leaves it with
    // the window behind, whose own keys would then take the user's Escape.
    QApplication::setActiveWindow(about);
    if (answer == UserEvent::AboutAnswer::HomePageThenOk)
        click(about->lblHomePage);
    else if (answer == UserEvent::AboutAnswer::CoBrandThenOk)
        click(about->lblCoBrand);

    if (answer == UserEvent::AboutAnswer::Escape)
        QTest::keyClick(about, Qt::Key_Escape);
    else
        click(about->cmdOK);

    if (about->isVisible()) {
        outcome.problem = QStringLiteral("About box: still open after %1").arg(aboutAnswerName(answer));
        about->reject();
    }
}

QWidget* keyboardTarget(frmMDI& mainWindow)
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused : &mainWindow;
}

void typeKey(const UserEvent& event, frmMDI& mainWindow)
{
    QWidget* target = keyboardTarget(mainWindow);
    if (event.character)
        QTest::keyClick(target, event.character, event.modifiers);
    else
        QTest::keyClick(target, event.key, event.modifiers);
}

EventOutcome clickControl(const UserEvent& event, frmMDI& mainWindow)
{
    QWidget* control = controlAt(event.target, mainWindow);
    if (!control)
        return {};
    const bool closes = control == mainWindow.cmdMdiExit;
    click(control);
    EventOutcome outcome;
    outcome.closedMainWindow = closes;
    return outcome;
}

EventOutcome chooseMenuItem(const UserEvent& event, frmMDI& mainWindow)
{
    for (QAction* item : menuItems(mainWindow)) {
        if (menuItemPath(item) != event.target)
            continue;
        const bool closes = item == mainWindow.menus.mnuExit;
        EventOutcome outcome;
        outcome.closedMainWindow = closes;
        item->trigger();
        answerAboutBox(event.aboutAnswer, outcome);
        return outcome;
    }
    return {};
}

// Opens the menu of that mnemonic from the keyboard, goes down the steps and presses Enter on
// the item there, as a keyboard user does.
EventOutcome walkMenu(const UserEvent& event, frmMDI& mainWindow)
{
    EventOutcome outcome;
    QTest::keyClick(&mainWindow, event.character, Qt::AltModifier);
    // The menu bar may open its menu from its event loop.
    QCoreApplication::processEvents();
    QWidget* menu = QApplication::activePopupWidget();
    if (!menu)
        return outcome;
    for (int step = 0; step < event.steps; ++step)
        QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    answerAboutBox(event.aboutAnswer, outcome);
    outcome.closedMainWindow = !mainWindow.isVisible();
    return outcome;
}

void commitText(const UserEvent& event, frmMDI& mainWindow)
{
    QInputMethodEvent commit;
    commit.setCommitString(event.text);
    QApplication::sendEvent(keyboardTarget(mainWindow), &commit);
}

EventOutcome closeWindow(const UserEvent& event, frmMDI& mainWindow)
{
    if (event.target == mainWindow.objectName()) {
        mainWindow.close();
        EventOutcome outcome;
        outcome.closedMainWindow = true;
        return outcome;
    }
    for (QuizWindow* window : shownQuizWindows(mainWindow)) {
        if (window->objectName() == event.target)
            window->close();
    }
    return {};
}

} // namespace

QString UserEvent::describe() const
{
    switch (kind) {
    case Kind::Click: return QStringLiteral("click %1").arg(target);
    case Kind::Hover: return QStringLiteral("mouse over %1").arg(target);
    case Kind::Key: return QStringLiteral("key %1").arg(keyName(*this));
    case Kind::ChooseEntry: return QStringLiteral("%1 in %2").arg(keyName(*this), target);
    case Kind::MenuItem:
        return QStringLiteral("menu %1 (About box answered: %2)").arg(target, aboutAnswerName(aboutAnswer));
    case Kind::WalkMenu:
        return QStringLiteral("Alt+%1, %2 times down, Enter (About box answered: %3)")
            .arg(QLatin1Char(character))
            .arg(steps)
            .arg(aboutAnswerName(aboutAnswer));
    case Kind::InputText: return QStringLiteral("input method commits \"%1\"").arg(text);
    case Kind::CloseWindow: return QStringLiteral("close box of %1").arg(target);
    }
    return {};
}

EventOutcome perform(const UserEvent& event, frmMDI& mainWindow)
{
    switch (event.kind) {
    case UserEvent::Kind::Click: return clickControl(event, mainWindow);
    case UserEvent::Kind::Hover:
        if (QWidget* control = controlAt(event.target, mainWindow))
            QTest::mouseMove(control, clickPoint(control));
        return {};
    case UserEvent::Kind::Key: typeKey(event, mainWindow); return {};
    case UserEvent::Kind::ChooseEntry:
        if (QWidget* list = controlAt(event.target, mainWindow)) {
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, event.key);
        }
        return {};
    case UserEvent::Kind::MenuItem: return chooseMenuItem(event, mainWindow);
    case UserEvent::Kind::WalkMenu: return walkMenu(event, mainWindow);
    case UserEvent::Kind::InputText: commitText(event, mainWindow); return {};
    case UserEvent::Kind::CloseWindow: return closeWindow(event, mainWindow);
    }
    return {};
}

#include "ControlPaths.h"

#include "shell/frmMDI.h"

#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

QString controlPath(const QWidget* control, const frmMDI& mainWindow)
{
    QStringList names;
    for (const QWidget* widget = control; widget && widget != &mainWindow; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            names.prepend(widget->objectName());
    }
    return names.join(QLatin1Char('/'));
}

QPoint clickPoint(const QWidget* control)
{
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control))
        return {qMin(8, control->width() / 2), control->height() / 2};
    return control->rect().center();
}

bool reachable(const QWidget* control)
{
    if (!control->isVisible() || !control->isEnabled() || control->width() <= 0 || control->height() <= 0)
        return false;
    QWidget* window = control->window();
    const QWidget* topmost = window->childAt(control->mapTo(window, clickPoint(control)));
    return topmost == control || (topmost && control->isAncestorOf(topmost));
}

QWidget* controlAt(const QString& path, const frmMDI& mainWindow)
{
    for (QWidget* control : reachableControls<QWidget>(mainWindow)) {
        if (controlPath(control, mainWindow) == path)
            return control;
    }
    return nullptr;
}

QList<QAction*> menuItems(const frmMDI& mainWindow)
{
    QList<QAction*> items;
    for (const QAction* menuAction : mainWindow.menuBar()->actions()) {
        if (!menuAction->menu() || !menuAction->isVisible() || !menuAction->isEnabled())
            continue;
        for (QAction* item : menuAction->menu()->actions()) {
            if (!item->isSeparator() && !item->menu() && item->isVisible() && item->isEnabled())
                items.append(item);
        }
    }
    return items;
}

QString menuItemPath(const QAction* item)
{
    QString menuName;
    for (const QObject* widget : item->associatedObjects()) {
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            menuName = menu->objectName();
    }
    return menuName + QLatin1Char('/') + item->objectName();
}

QList<QuizWindow*> shownQuizWindows(const frmMDI& mainWindow)
{
    QList<QuizWindow*> shown;
    for (QMdiSubWindow* window : mainWindow.mdiClient->subWindowList()) {
        auto* quizWindow = qobject_cast<QuizWindow*>(window);
        if (quizWindow && quizWindow->isVisible())
            shown.append(quizWindow);
    }
    return shown;
}

#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class QAction;
class QuizWindow;
class frmMDI;

// The object names from the main window down to the control, joined with "/"; controls without
// a name of their own, and Qt's own parts (such as a scroll area's viewport), are left out.
QString controlPath(const QWidget* control, const frmMDI& mainWindow);

// Where a user clicks the control: on its indicator for options, else in its middle.
QPoint clickPoint(const QWidget* control);

// Shown, enabled and the topmost control at its click point, so a user can reach it.
bool reachable(const QWidget* control);

// The reachable controls of that kind in the main window and the test windows in it.
template <typename Control>
QList<Control*> reachableControls(const QWidget& mainWindow)
{
    QList<Control*> controls;
    for (Control* control : mainWindow.findChildren<Control*>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && reachable(control))
            controls.append(control);
    }
    return controls;
}

// The reachable control at that path, or none.
QWidget* controlAt(const QString& path, const frmMDI& mainWindow);

// The enabled items of the menus the menu bar shows now, with their "menu/item" paths.
QList<QAction*> menuItems(const frmMDI& mainWindow);
QString menuItemPath(const QAction* item);

// The test windows that are on screen.
QList<QuizWindow*> shownQuizWindows(const frmMDI& mainWindow);

#pragma once

#include <QList>

class QAction;
class QMenu;
class QWidget;

// How one window's menus differ from the others'.
struct MenuDesign {
    const char* fileMenuName;
    const char* updateCaption;
    const char* firstSeparatorName;
    const char* secondSeparatorName;
    const char* makeMoneyName;
    const char* makeMoneyCaption;
};

// The File and Help menus that the main window and every quiz window carry, and the make-money
// entry that nobody can choose, kept in the design but out of the menu bar. The Help items open
// their pages by themselves; the window connects Exit, About and its own File items.
class WindowMenus {
public:
    WindowMenus(QWidget* owner, const MenuDesign& design);

    // Puts a window's own item into the File menu, above Exit.
    QAction* addFileItem(const char* objectName, const QString& caption);

    // What the menu bar shows while the window is the one on screen.
    QList<QAction*> menuBarActions() const;

    QMenu* mnuFile;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuMakeMoney;
};

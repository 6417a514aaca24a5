#pragma once

#include <QList>
#include <functional>

class QAbstractButton;
class QWidget;

// What the keys do in the program's windows, all in one place: the Tab order, Enter, Esc, Space
// on a link, the arrows in a group of options, and where the focus goes when a page changes.
namespace keyboard {

struct WindowKeys {
    // Tab goes through these in turn and round again, Shift+Tab the same way back; a control that
    // is hidden or disabled is passed over. The window's own controls come first, then its links in
    // reading order.
    QList<QWidget*> tabOrder;
    // Enter presses it while no button or link has the focus, also when it is hidden.
    QAbstractButton* defaultButton = nullptr;
    // Esc presses it.
    QAbstractButton* cancelButton = nullptr;
};

// Gives the window its keys. As the window opens, or comes back on screen, the focus goes to the
// first control of its Tab order that is on screen. Tab stops at one option of each group: the
// chosen one, or the first while none is chosen. Enter presses the button or link that has the
// focus, or else the default button; Esc the cancel button; Space a link that has the focus; an
// arrow the next or the previous option of a group, which it selects. A key held down does no
// more than one press, and a key meant for a box open over the window does nothing to it.
void install(QWidget* window, const WindowKeys& keys);

// Changes a page of the window. The focus stays where it is, unless the control that has it goes
// from screen or is disabled by the change: then it goes to `next`, the place a user reads next,
// never to a button that leaves the page. True when the focus went to `next`.
bool changePage(QWidget* next, const std::function<void()>& change);

} // namespace keyboard

#pragma once

class QAbstractButton;
class QWidget;

// Gives a window the default and cancel buttons of a dialog box: Esc presses the cancel
// button; Enter presses the default button, or the window's button that has the focus.
void setDefaultAndCancelButtons(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancelButton);

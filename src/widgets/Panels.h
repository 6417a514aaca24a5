#pragma once

#include <QWidget>

#include <initializer_list>

// Panels that share one place in a window, one of them in front.
namespace panels {

// Brings the panel to the front of those that share its place. The others are hidden: what lies
// behind is out of reach for the keyboard, the mouse and assistive technology alike, and the user
// sees the same as if it were only covered.
void bringToFront(QWidget* panel, std::initializer_list<QWidget*> sharingItsPlace);

// Makes assistive technology read the states of what the widget holds anew, as it comes on
// screen: a panel as it comes to the front, a window before it shows. A screen reader keeps the
// states it has read of each control; Qt tells it when a control comes on screen ("showing"), but
// never that it is visible again, so a control it read while it was hidden stays invisible to it,
// and its review of the screen leaves it out. Given new identities, the controls are read afresh.
void renewForAssistiveTechnology(QWidget* shown);

} // namespace panels

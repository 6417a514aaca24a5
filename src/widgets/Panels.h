#pragma once

#include <QWidget>

#include <initializer_list>

// Panels that share one place in a window, one of them in front.
namespace panels {

// Brings the panel to the front of those that share its place. The others are hidden: what lies
// behind is out of reach for the keyboard, the mouse and assistive technology alike, and the user
// sees the same as if it were only covered.
inline void bringToFront(QWidget* panel, std::initializer_list<QWidget*> sharingItsPlace)
{
    for (QWidget* each : sharingItsPlace)
        each->setVisible(each == panel);
}

} // namespace panels

#include "widgets/Panels.h"

#include <QAccessible>

namespace panels {

void bringToFront(QWidget* panel, std::initializer_list<QWidget*> sharingItsPlace)
{
    const bool cameToTheFront = panel->isHidden();
    for (QWidget* each : sharingItsPlace)
        each->setVisible(each == panel);
    if (cameToTheFront && panel->isVisible())
        renewForAssistiveTechnology(panel);
}

void renewForAssistiveTechnology(QWidget* shown)
{
    if (!QAccessible::isActive())
        return;
    QList<QWidget*> widgets = shown->findChildren<QWidget*>();
    widgets.prepend(shown);
    for (QWidget* widget : widgets) {
        if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    }
}

} // namespace panels

#include "widgets/OptionButton.h"

#include <QKeyEvent>

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up:
    case Qt::Key_Left: step = -1; break;
    default: QRadioButton::keyPressEvent(event); return;
    }
    // The options of the group, in the order they were laid out, round and round.
    QList<OptionButton*> group;
    for (QObject* sibling : parentWidget()->children()) {
        auto* option = qobject_cast<OptionButton*>(sibling);
        if (option == this || (option && !option->isHidden() && option->isEnabled()))
            group.append(option);
    }
    const qsizetype count = group.size();
    OptionButton* next = group[(group.indexOf(this) + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    if (!next->isChecked())
        next->click();
}

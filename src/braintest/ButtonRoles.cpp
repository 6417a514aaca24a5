#include "braintest/ButtonRoles.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>

namespace {

QShortcut* newWindowKey(QWidget* window, Qt::Key key)
{
    auto* shortcut = new QShortcut(QKeySequence(key), window);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    return shortcut;
}

// A key meant for a box open over the window never presses the window's buttons.
bool boxIsOpen()
{
    return QApplication::activeModalWidget() != nullptr;
}

} // namespace

void setDefaultAndCancelButtons(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancelButton)
{
    QObject::connect(newWindowKey(window, Qt::Key_Escape), &QShortcut::activated, cancelButton, [cancelButton] {
        if (!boxIsOpen())
            cancelButton->click();
    });
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        QObject::connect(newWindowKey(window, enter), &QShortcut::activated, defaultButton, [window, defaultButton] {
            if (boxIsOpen())
                return;
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            (focused && window->isAncestorOf(focused) ? focused : defaultButton)->click();
        });
    }
}

#include "widgets/Keyboard.h"

#include "widgets/MouseLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace keyboard {
namespace {

bool isPlain(const QKeyEvent* event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

MouseLabel* asLink(QWidget* widget)
{
    auto* label = qobject_cast<MouseLabel*>(widget);
    return label && label->isLink() ? label : nullptr;
}

// The options of the radio button's group, in the order they were laid out, as the user can
// reach them.
QList<QRadioButton*> groupOf(QRadioButton* option)
{
    QList<QRadioButton*> group;
    for (QObject* sibling : option->parentWidget()->children()) {
        auto* each = qobject_cast<QRadioButton*>(sibling);
        if (each == option || (each && !each->isHidden() && each->isEnabled()))
            group.append(each);
    }
    return group;
}

// Tab stops at one option of a group, as on Windows: the chosen one, or the first while none is
// chosen. The others are reached with the arrows, or the mouse.
void keepOneTabStop(QRadioButton* anyOption)
{
    const QList<QRadioButton*> group = groupOf(anyOption);
    QRadioButton* stop = group.first();
    for (QRadioButton* option : group) {
        if (option->isChecked())
            stop = option;
    }
    for (QRadioButton* option : group)
        option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

// Down and Right choose the next option, Up and Left the one before, round and round, as on
// Windows; also when none was chosen yet.
bool chooseWithArrow(QRadioButton* option, int key)
{
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right)
        step = 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Left)
        step = -1;
    else
        return false;
    const QList<QRadioButton*> group = groupOf(option);
    const qsizetype count = group.size();
    QRadioButton* next = group[(group.indexOf(option) + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    if (!next->isChecked())
        next->click();
    return true;
}

class WindowKeyRules : public QObject {
public:
    WindowKeyRules(QWidget* window, const WindowKeys& keys)
        : QObject(window)
        , m_window(window)
        , m_keys(keys)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show)
            focusFirstControl();
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* receiver = static_cast<QWidget*>(watched);
        if (!m_window->isAncestorOf(receiver) || boxIsOpenOver(receiver))
            return false;
        return handle(receiver, static_cast<QKeyEvent*>(event));
    }

private:
    // As the window opens, or comes back, the focus goes to the first of its controls on screen.
    void focusFirstControl()
    {
        for (QWidget* control : std::as_const(m_keys.tabOrder)) {
            if (control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) {
                control->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }

    // A modal box over the window takes its keys; one sent on to the window anyway does nothing.
    bool boxIsOpenOver(const QWidget* receiver) const
    {
        const QWidget* box = QApplication::activeModalWidget();
        return box && !box->isAncestorOf(receiver) && box != receiver;
    }

    bool handle(QWidget* receiver, QKeyEvent* event)
    {
        const bool enter = isEnter(event);
        const bool escape = event->key() == Qt::Key_Escape;
        if (!isPlain(event))
            return false;
        // Held down, Enter and Esc do what one press did, and no more.
        if ((enter || escape) && event->isAutoRepeat())
            return true;
        if (enter)
            return pressForEnter(receiver);
        if (escape)
            return click(m_keys.cancelButton);
        if (event->key() == Qt::Key_Space) {
            if (MouseLabel* link = asLink(receiver)) {
                link->press();
                return true;
            }
            return false;
        }
        if (auto* option = qobject_cast<QRadioButton*>(receiver))
            return chooseWithArrow(option, event->key());
        return false;
    }

    bool pressForEnter(QWidget* receiver)
    {
        if (auto* button = qobject_cast<QPushButton*>(receiver))
            return click(button);
        if (MouseLabel* link = asLink(receiver)) {
            link->press();
            return true;
        }
        return click(m_keys.defaultButton);
    }

    static bool click(QAbstractButton* button)
    {
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }

    QWidget* m_window;
    WindowKeys m_keys;
};

} // namespace

void install(QWidget* window, const WindowKeys& keys)
{
    for (qsizetype index = 1; index < keys.tabOrder.size(); ++index)
        QWidget::setTabOrder(keys.tabOrder[index - 1], keys.tabOrder[index]);
    for (QWidget* control : keys.tabOrder) {
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            keepOneTabStop(option);
            QObject::connect(option, &QAbstractButton::toggled, option, [option] { keepOneTabStop(option); });
        }
    }
    new WindowKeyRules(window, keys);
}

bool changePage(QWidget* next, const std::function<void()>& change)
{
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const QWidget* window = next->window();
    change();
    const bool lost = focused && window->isAncestorOf(focused)
        && (!focused->isVisible() || !focused->isEnabled() || QApplication::focusWidget() != focused);
    if (!lost || !next->isVisible())
        return false;
    next->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace keyboard

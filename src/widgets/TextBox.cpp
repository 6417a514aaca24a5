#include "widgets/TextBox.h"

#include <QFocusEvent>

TextBox::TextBox(const QString& objectName, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(objectName);
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent keepingTheText(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&keepingTheText);
}

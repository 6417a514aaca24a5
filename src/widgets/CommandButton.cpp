#include "widgets/CommandButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString& objectName, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
    const bool showMnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | (showMnemonic ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    painter.drawItemText(textArea, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

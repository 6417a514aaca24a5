#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMessageBox>

namespace platform {
namespace {

constexpr int MinimumTextWidth = 240;

MessageHandler& messageHandler()
{
    static MessageHandler handler;
    return handler;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer showMessage(QWidget* parent, const Message& message)
{
    if (messageHandler())
        return messageHandler()(message);

    // A lone carriage return breaks the line, as the program's texts expect.
    QString shownText = message.text;
    shownText.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));

    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(message.icon), QString::fromLatin1(ProgramTitle), shownText,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    // Wide enough that a window manager shows the whole title over a short text.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(MinimumTextWidth, 0), grid->rowCount(), 0, 1, grid->columnCount());
    // Plain buttons: the style's small bitmap icons blur on large screens.
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
    const int pressed = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

} // namespace platform

#include "platform/MessageBox.h"

#include <QMessageBox>

namespace platform {
namespace {

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

#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// The title of every message box of the program.
inline constexpr char ProgramTitle[] = "Zelt Noggle";

enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Shows a modal box titled with the program title over the parent and returns the button the
// user pressed.
MessageAnswer showMessage(QWidget* parent, const Message& message);

// Tests answer the boxes here instead of a user. An empty handler brings back the real box.
using MessageHandler = std::function<MessageAnswer(const Message&)>;
void setMessageHandler(MessageHandler handler);

} // namespace platform

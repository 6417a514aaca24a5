#pragma once

#include "widgets/TextBox.h"

#include <functional>

// The character codes the key filters know by name.
namespace keycode {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int CtrlV = 22;
inline constexpr int Space = 32;
} // namespace keycode

// A text box that hands every character before it goes in to its window's key-press handler,
// by character code: typed keys (Ctrl with a letter gives its control code, so Ctrl+V is 22),
// text committed by an input method one character at a time, and every way of pasting (as the
// code of Ctrl+V). The handler may change the code, or set it to 0 to discard the character.
class KeyPressTextBox : public TextBox {
    Q_OBJECT

public:
    using KeyPressHandler = std::function<void(int& keyAscii)>;

    KeyPressTextBox(const QString& objectName, QWidget* parent, KeyPressHandler keyPress);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The text that goes in of what arrived, after the handler has seen each character.
    QString filtered(const QString& arrived);
    void pasteThroughHandler();

    KeyPressHandler m_keyPress;
};

#include "widgets/KeyPressTextBox.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

using namespace keycode;

Qt::KeyboardModifiers controlAndAlt(const QKeyEvent* event)
{
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
}

// The character codes a key press delivers; none for keys that only move or delete, or for Ctrl
// with other keys than letters. Ctrl with Alt is how AltGr arrives on Windows: its characters are
// typed characters like any other.
QList<int> characterCodes(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = controlAndAlt(event);
    if (modifiers == Qt::ControlModifier && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return {event->key() - Qt::Key_A + 1};
    if (modifiers == Qt::ControlModifier || event->key() == Qt::Key_Delete)
        return {};
    QList<int> codes;
    for (char32_t code : event->text().toUcs4())
        codes.append(int(code));
    return codes;
}

QString characterOf(int code)
{
    const char32_t character = char32_t(code);
    return QString::fromUcs4(&character, 1);
}

} // namespace

KeyPressTextBox::KeyPressTextBox(const QString& objectName, QWidget* parent, KeyPressHandler keyPress)
    : TextBox(objectName, parent)
    , m_keyPress(std::move(keyPress))
{
    setAcceptDrops(false);
}

void KeyPressTextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteThroughHandler();
        return;
    }
    // Alt with a key is a mnemonic; one that names no control types nothing either.
    if (controlAndAlt(event) == Qt::AltModifier) {
        event->ignore();
        return;
    }
    const QList<int> codes = characterCodes(event);
    if (codes.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    bool passesOn = false;
    for (int code : codes) {
        m_keyPress(code);
        if (code == Backspace)
            backspace();
        else if (code >= Space)
            insert(characterOf(code));
        else if (code != 0)
            passesOn = true;
    }
    // Enter and the other control characters the handler lets through go on to the window.
    event->setAccepted(!passesOn);
}

void KeyPressTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent allowed(event->preeditString(), event->attributes());
    allowed.setCommitString(filtered(event->commitString()), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&allowed);
}

QString KeyPressTextBox::filtered(const QString& arrived)
{
    QString allowed;
    for (char32_t character : arrived.toUcs4()) {
        int code = int(character);
        m_keyPress(code);
        if (code >= Space)
            allowed.append(characterOf(code));
    }
    return allowed;
}

void KeyPressTextBox::pasteThroughHandler()
{
    int code = CtrlV;
    m_keyPress(code);
    if (code == CtrlV)
        paste();
}

// The middle button pastes the selection on some desktops.
void KeyPressTextBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton)
        return;
    QLineEdit::mousePressEvent(event);
}

void KeyPressTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        pasteThroughHandler();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void KeyPressTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* pasteItem = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(pasteItem, &QAction::triggered, nullptr, nullptr);
        connect(pasteItem, &QAction::triggered, this, &KeyPressTextBox::pasteThroughHandler);
    }
    menu->popup(event->globalPos());
}

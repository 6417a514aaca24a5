#pragma once

#include <QPushButton>

// A push button whose caption wraps onto further lines when it is wider than the button, so
// that a long caption on a small button is read whole.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString& objectName, const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

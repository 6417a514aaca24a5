#pragma once

#include <QLineEdit>

// A one-line text box as the program's boxes always were: Tab leaves its text as it is, with the
// caret where it was, rather than selecting it all. A screen reader then hears the box come into
// focus first, and not first a caret that moved in a box it does not yet know has the focus.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(const QString& objectName, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

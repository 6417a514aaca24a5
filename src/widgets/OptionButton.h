#pragma once

#include <QRadioButton>

// An option of a group that the arrow keys choose, as on Windows: Down and Right move to the next
// option of the group, Up and Left to the one before, round and round, and select it, also when
// none was selected yet.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

#pragma once

#include <QGroupBox>

class Announcer;
class QAbstractButton;

// The options that answer one question, kept together in a group that assistive technology
// names by the question: when the focus comes into the group, a screen reader reads the question
// with the option. The group draws nothing of its own; its options lie where they were designed.
class OptionGroup : public QGroupBox {
    Q_OBJECT

public:
    OptionGroup(const QRect& geometry, QWidget* parent);

    // A new question for the options: the group is named by it. Unless the focus has just come to
    // the options, which reads the question with them, the question is told to the screen reader:
    // with the options' captions when they are the question's own (spoken), not when every
    // question has the same (unspoken).
    enum class Captions { Spoken, Unspoken };
    void askQuestion(const QString& question, bool focusCameHere, Captions captions = Captions::Spoken);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Announcer* m_announcer;
};

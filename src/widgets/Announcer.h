#pragma once

#include <QWidget>

// Tells a screen reader what has just come on screen where the focus does not go: a new question
// while the focus stays on its answers, a verdict, a band. Assistive technology knows it as a
// notification, which a screen reader reads as it appears; on screen it is nothing.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

#pragma once

#include "UserEvent.h"

#include <QList>

#include <array>
#include <random>

class QAbstractButton;

class QWidget;

// Picks, from a seeded sequence, something a user could do next to the windows open now: only
// controls that are on screen, enabled and not covered by another control are aimed at. The
// main window's closing commands come seldom, and now and then a streak of answers (an option,
// then Next) carries a run through to its verdict, mostly by a plan that ends on or beside a
// boundary of the verdicts (a Brain Test tie, an EQ total at the edge of a band, an even MF split);
// a click into a text box is followed by a few typed keys.
class EventChooser {
public:
    explicit EventChooser(unsigned seed);

    UserEvent next(frmMDI& mainWindow);

private:
    UserEvent click(frmMDI& mainWindow);
    UserEvent answer(frmMDI& mainWindow);
    // Draws the answers of the next streak: for each question whether it gets the right-brain (or
    // masculine) answer, and the choice of each EQ statement.
    void planAnswers();
    // The option of the plan among those of the question on screen, or none.
    QAbstractButton* plannedOption(const QList<QAbstractButton*>& options) const;
    UserEvent hover(frmMDI& mainWindow);
    UserEvent key();
    UserEvent chooseEntry(frmMDI& mainWindow);
    UserEvent menuItem(frmMDI& mainWindow);
    UserEvent closeQuizWindow(frmMDI& mainWindow);
    UserEvent closeMainWindow(frmMDI& mainWindow);

    int below(int bound);
    bool chance(double probability);

    std::mt19937 m_random;
    int m_answersLeft = 0;
    int m_keysLeft = 0;
    bool m_optionChosen = false;
    bool m_followPlan = false;
    // What the streak types next, one character at a time: a name or an age for an empty box.
    QByteArray m_typing;
    std::array<bool, 20> m_plannedYes{};
    std::array<int, 15> m_plannedChoice{};
};

#pragma once

#include "UserEvent.h"

#include <random>

class QWidget;

// Picks, from a seeded sequence, something a user could do next to the windows open now: only
// controls that are on screen, enabled and not covered by another control are aimed at. The
// main window's closing commands come seldom, and now and then a streak of answers (an option,
// then Next) carries a run through to its verdict; a click into a text box is followed by a few
// typed keys.
class EventChooser {
public:
    explicit EventChooser(unsigned seed);

    UserEvent next(frmMDI& mainWindow);

private:
    UserEvent click(frmMDI& mainWindow);
    UserEvent answer(frmMDI& mainWindow);
    UserEvent hover(frmMDI& mainWindow);
    UserEvent key();
    UserEvent chooseEntry(frmMDI& mainWindow);
    UserEvent menuItem(frmMDI& mainWindow);
    UserEvent closeTestWindow(frmMDI& mainWindow);
    UserEvent closeMainWindow(frmMDI& mainWindow);

    int below(int bound);
    bool chance(double probability);

    std::mt19937 m_random;
    int m_answersLeft = 0;
    int m_keysLeft = 0;
    bool m_optionChosen = false;
};

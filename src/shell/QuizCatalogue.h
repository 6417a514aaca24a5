#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <vector>

class QuizWindow;

// One window of a quiz, as the main window loads and unloads it.
struct QuizWindowEntry {
    // Its objectName, by which the quiz's windows ask for one another.
    QString name;
    std::function<QuizWindow*()> create;
    // Where the launcher unloads it among all the quizzes' windows, counted from 0; a window may
    // be unloaded more than once in the round (a window that is no longer loaded is skipped).
    std::vector<int> unloadPlaces;
};

// A quiz as the main window offers it: a button in the button bar with the quiz's icon beside it,
// and a link-like label on the launcher panel, both captioned with the quiz's name. Places are
// in twips; the indexes are those of the main window's cmdSelectOption and lblCaption, whose
// first three labels are the launcher's own texts.
struct QuizEntry {
    QString caption;
    int buttonIndex;
    int buttonLeft;
    int iconLeft;
    // The objectName of the picture box beside the button.
    QString iconControl;
    int labelIndex;
    int labelTop;
    QColor labelColour;
    // The picture of the quiz, drawn beside its button and in its windows' title bars.
    QString picture;
    // The first opens when the quiz is chosen.
    std::vector<QuizWindowEntry> windows;
};

using QuizCatalogue = std::vector<QuizEntry>;

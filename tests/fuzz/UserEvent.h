#pragma once

#include <QString>
#include <Qt>

class frmMDI;

// One thing a user does to the program, described completely, so that it can be done again on
// a freshly started program: the control it aims at is named by the path of object names from
// the main window down.
struct UserEvent {
    enum class Kind {
        Click, // a click on a button, option, label or text box
        Hover, // the mouse moved over a label
        Key, // a key typed into whatever has the keyboard focus
        ChooseEntry, // the next or previous entry of a drop-down list, by keyboard
        MenuItem, // an item of the menus in the menu bar
        WalkMenu, // a menu opened by its mnemonic, walked down with the arrow keys, its item chosen with Enter
        InputText, // text an input method commits to whatever has the keyboard focus
        CloseWindow, // the close box of a window
    };

    // How the About box is answered when a menu item opens it.
    enum class AboutAnswer { Ok, HomePageThenOk, CoBrandThenOk, Escape };

    explicit UserEvent(Kind kind = Kind::Click, QString target = {})
        : kind(kind)
        , target(std::move(target))
    {
    }

    Kind kind;
    QString target;
    Qt::Key key = Qt::Key_unknown;
    char character = 0;
    int steps = 0; // of a menu walked
    QString text; // of an input method
    Qt::KeyboardModifiers modifiers;
    AboutAnswer aboutAnswer = AboutAnswer::Ok;

    QString describe() const;
};

// What became of an event as it was done.
struct EventOutcome {
    // One of the main window's closing commands was used.
    bool closedMainWindow = false;
    bool answeredAboutBox = false;
    // A modal window that would not go away, say; empty when all went as a user expects.
    QString problem;
};

// Does what the event describes to the windows open now. An event whose target is no longer on
// screen does nothing, as a user's click on a place where nothing is.
EventOutcome perform(const UserEvent& event, frmMDI& mainWindow);

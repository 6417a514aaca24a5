#pragma once

#include "app/Quizzes.h"
#include "platform/MessageBox.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class frmMDI;
class QFont;

// Records every message box the program shows and answers it instead of a user: with the
// scripted answers in turn, then OK (or No where the box asks Yes or No).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    void answerNext(platform::MessageAnswer answer);
    QStringList texts() const;

    QList<platform::Message> messages;

private:
    QList<platform::MessageAnswer> m_answers;
};

// Records the pages the program opens instead of starting a browser.
class UrlRecorder {
public:
    UrlRecorder();
    ~UrlRecorder();

    QStringList urls;
};

// Gives the per-user settings store and the single-instance lock a fresh place of their own: a
// fresh folder, and on Windows an empty registry key of the test program.
class IsolatedUserFolders {
public:
    IsolatedUserFolders();
    ~IsolatedUserFolders();

    QString path() const { return m_folder.path(); }
    // A single-instance lock of this test alone.
    QString lockName() const;

private:
    QTemporaryDir m_folder;
};

// Whether text in that font is drawn in Verdana, or in DejaVu Sans where Verdana is not installed.
bool drawnInVerdana(const QFont& font);

// The "Duration" of the update question as the program reads it from its settings store.
QString storedDuration();

// The address the program opens for a page key.
QString pageUrl(const char* pageKey);

// The control of that objectName among the parent's descendants. A missing control ends the test
// program at once, naming it, rather than letting a test go on with nothing.
template <typename Control = QWidget>
Control* control(const QObject* parent, const QString& objectName)
{
    auto* found = parent ? parent->findChild<Control*>(objectName) : nullptr;
    if (!found)
        qFatal("no control %s", qPrintable(objectName));
    return found;
}

template <typename Control = QWidget>
Control* control(const QObject* parent, const char* objectName)
{
    return control<Control>(parent, QString::fromLatin1(objectName));
}

// A main window with the quizzes of the catalogue, shown and active, as start-up leaves it.
std::unique_ptr<frmMDI> showMainWindow(QuizCatalogue quizzes = zeltNoggleQuizzes());

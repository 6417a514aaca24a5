#pragma once

#include "platform/MessageBox.h"

#include <QList>
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

// Gives the per-user settings store and the single-instance lock a fresh folder of their own.
class IsolatedUserFolders {
public:
    IsolatedUserFolders();

    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

// While it lives, no file of this process can grow: every write to the disk fails, as on a full
// or read-only disk, also for root.
class NoFileWrites {
public:
    NoFileWrites();
    ~NoFileWrites();

private:
    unsigned long long m_previousLimit;
};

// Whether text in that font is drawn in Verdana, or in DejaVu Sans where Verdana is not installed.
bool drawnInVerdana(const QFont& font);

// The address the program opens for a page key.
QString pageUrl(const char* pageKey);

// A main window shown and active, as start-up leaves it.
std::unique_ptr<frmMDI> showMainWindow();

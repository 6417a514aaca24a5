#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>

class MessageRecorder;
class UrlRecorder;
class frmMDI;

// What must hold of the running program after every event a user can cause: one test on screen
// at most and the launcher panel exactly when none is; run counters within what the answers
// allow; only the program's own messages; only the five pages of the maker; the filtered boxes
// holding only what their filters let in; and no file written or changed by anything typed.
class ProgramInvariants {
public:
    // The files of the folders are taken as they are now.
    ProgramInvariants(const MessageRecorder& messages, const UrlRecorder& pages, const QStringList& watchedFolders);

    // The invariants that do not hold now, each as "what: why"; empty when all hold.
    QStringList broken(const frmMDI& mainWindow);
    // Start-up may store its date and take its lock: the files as they are now are the program's.
    void takeFilesAsTheyAre() { m_filesAtStart = watchedFiles(); }

private:
    QStringList brokenWindows(const frmMDI& mainWindow) const;
    QStringList brokenFilters(const frmMDI& mainWindow) const;
    QStringList newMessagesBroken();
    QStringList newPagesBroken();
    QStringList changedFiles() const;
    QMap<QString, QByteArray> watchedFiles() const;

    const MessageRecorder& m_messages;
    const UrlRecorder& m_pages;
    QStringList m_watchedFolders;
    QMap<QString, QByteArray> m_filesAtStart;
    qsizetype m_messagesChecked = 0;
    qsizetype m_pagesChecked = 0;
};

// Every counter of a run within its range, as "counter: value"; empty when all are.
QStringList countersOutOfRange();

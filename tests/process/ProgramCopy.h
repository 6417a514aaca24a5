#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class XSession;

// The folders and variables a copy of the program starts with.
struct CopyEnvironment {
    QString configFolder; // XDG_CONFIG_HOME; unset when empty
    QString runtimeFolder; // XDG_RUNTIME_DIR; unset when empty
    QString home; // HOME; unset when empty
    QString tempFolder; // TMPDIR, where the lock goes when there is no runtime folder
    // Runs in the new process before the program starts (a limit on file sizes, say).
    std::function<void()> beforeStart;
};

// Fresh folders for copies of the program, gone with the object: configuration, runtime (private
// to the user), home and temporary folder, each under its name.
class CopyFolders {
public:
    CopyFolders();
    QString path(const char* name) const;
    // All four as the copies' environment.
    CopyEnvironment environment() const;

private:
    QTemporaryDir m_root;
};

// One real copy of the built program on the session's display. It is ended with SIGKILL if
// it still runs when the object goes.
class ProgramCopy {
public:
    ProgramCopy(const XSession& session, const CopyEnvironment& environment);
    ~ProgramCopy();

    // Starts the program at once, or held at the gate until the gate opens.
    void start();
    bool waitForStarted() { return m_process.waitForStarted(); }
    qint64 pid() const { return m_process.processId(); }

    // The main window or the message box, once shown; empty after the time is up.
    QString waitForMainWindow(int milliseconds = 30000) const;
    QString waitForMessageBox(int milliseconds = 30000) const;
    bool showsMainWindow() const;
    bool showsMessageBox() const;

    // Closes the main window with the window manager's close command, again if a busy
    // machine let the first one go astray, until the program has ended.
    bool closeMainWindow();
    // Ends and reports whether the program ended by itself, cleanly (exit code 0, so no
    // sanitizer report either); the output is kept for the failure message.
    bool endsCleanly(int milliseconds = 30000);
    void killHard();
    QString output();

    // Holds every copy started behind it until it is opened, so that they start at the same
    // instant: each waits, in a shell that then becomes the program, for the gate's file.
    class Gate {
    public:
        explicit Gate(const QString& path);
        void open() const;
        QString path() const { return m_path; }

    private:
        QString m_path;
    };
    void startBehind(const Gate& gate);

private:
    void startWith(const QString& program, const QStringList& arguments);

    const XSession& m_session;
    CopyEnvironment m_environment;
    QProcess m_process;
    QByteArray m_output;
};

// The main window's title and the title of every message box of the program.
inline constexpr char MainWindowTitle[] = "Zelt Noggle v1.20";
inline constexpr char MessageBoxTitle[] = "Zelt Noggle";

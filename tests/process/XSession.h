#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

// An X server of its own (Xvfb, on a free display) with a window manager (openbox), started by
// scripts/x-session.sh as every script's, on which real copies of the program run and are watched
// and driven from outside with xdotool, as a user would see and use them.
class XSession {
public:
    XSession();
    ~XSession();

    // Why the session could not start; empty when it runs.
    QString failure() const { return m_failure; }
    QString display() const { return m_display; }

    // The shown top-level windows of the process with exactly that title.
    QStringList windowsOf(qint64 pid, const QString& title) const;
    // Waits until the process shows a window with that title; empty after the time is up.
    QString waitForWindow(qint64 pid, const QString& title, int milliseconds = 30000) const;

    // Gives the window the keyboard and presses the keys (xdotool key names, "alt+F4").
    bool pressKeys(const QString& window, const QString& keys) const;

private:
    QString run(const QString& program, const QStringList& arguments) const;

    QProcess m_session;
    QString m_display;
    QString m_failure;
};

// Waits, while the condition is false, up to the time given; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int milliseconds);

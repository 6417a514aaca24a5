#include "XSession.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

bool waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QThread::msleep(50);
    }
    return true;
}

XSession::XSession()
{
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xprop"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            m_failure = QStringLiteral("%1 is missing: scripts/setup.sh installs it").arg(QLatin1String(tool));
            return;
        }
    }
    // The session of every script and test: it prints its display once openbox manages windows.
    m_session.start(QStringLiteral("bash"), {QStringLiteral(ZELT_X_SESSION_SCRIPT)});
    QByteArray display;
    waitUntil(
        [&] {
            m_session.waitForReadyRead(100);
            display += m_session.readAllStandardOutput();
            return display.contains('\n') || m_session.state() == QProcess::NotRunning;
        },
        60000);
    if (!display.contains('\n')) {
        m_failure = QStringLiteral("the X session did not start: %1")
                        .arg(QString::fromLocal8Bit(m_session.readAllStandardError()));
        return;
    }
    m_display = QString::fromLatin1(display.trimmed());
}

XSession::~XSession()
{
    if (m_session.state() != QProcess::NotRunning) {
        m_session.terminate();
        if (!m_session.waitForFinished(5000))
            m_session.kill();
        m_session.waitForFinished();
    }
}

QString XSession::run(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

QStringList XSession::windowsOf(qint64 pid, const QString& title) const
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    const QStringList search = {QStringLiteral("search"),
                                QStringLiteral("--all"),
                                QStringLiteral("--onlyvisible"),
                                QStringLiteral("--pid"),
                                QString::number(pid),
                                QStringLiteral("--name"),
                                pattern};
    // A search gives up when a window goes while it looks; a second one sees the rest.
    QStringList windows = run(QStringLiteral("xdotool"), search).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (windows.isEmpty())
        windows = run(QStringLiteral("xdotool"), search).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return windows;
}

QString XSession::waitForWindow(qint64 pid, const QString& title, int milliseconds) const
{
    QString found;
    waitUntil(
        [&] {
            const QStringList windows = windowsOf(pid, title);
            found = windows.value(0);
            return !found.isEmpty();
        },
        milliseconds);
    return found;
}

bool XSession::pressKeys(const QString& window, const QString& keys) const
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
    return tool.waitForFinished(10000) && tool.exitCode() == 0;
}

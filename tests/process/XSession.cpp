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
    if (startServer())
        startWindowManager();
}

XSession::~XSession()
{
    for (QProcess* process : {&m_windowManager, &m_server}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }
}

bool XSession::startServer()
{
    // Xvfb picks a free display and writes its number to the descriptor given.
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("1366x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray number;
    waitUntil(
        [&] {
            m_server.waitForReadyRead(100);
            number += m_server.readAllStandardOutput();
            return number.contains('\n') || m_server.state() == QProcess::NotRunning;
        },
        20000);
    if (!number.contains('\n')) {
        m_failure = QStringLiteral("Xvfb did not start: %1")
                        .arg(QString::fromLocal8Bit(m_server.readAllStandardError()));
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    return true;
}

bool XSession::startWindowManager()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    m_windowManager.setProcessEnvironment(environment);
    m_windowManager.start(QStringLiteral("openbox"), {});
    const bool managing = waitUntil(
        [this] {
            return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QLatin1String("window id"));
        },
        20000);
    if (!managing)
        m_failure = QStringLiteral("openbox did not start on %1").arg(m_display);
    // openbox names itself on the root window a moment before it takes charge of new windows; a
    // window mapped in between stays unmanaged, and on a scaled screen may never show.
    QThread::msleep(1000);
    return managing;
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

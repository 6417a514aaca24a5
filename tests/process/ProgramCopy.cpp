#include "ProgramCopy.h"

#include "XSession.h"

#include <QDir>
#include <QFile>

#include <csignal>

CopyFolders::CopyFolders()
{
    const QDir root(m_root.path());
    for (const char* name : {"config", "runtime", "home", "temp"})
        root.mkdir(QString::fromLatin1(name));
    QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString CopyFolders::path(const char* name) const
{
    return QDir(m_root.path()).filePath(QString::fromLatin1(name));
}

CopyEnvironment CopyFolders::environment() const
{
    return {path("config"), path("runtime"), path("home"), path("temp"), {}};
}

ProgramCopy::ProgramCopy(const XSession& session, const CopyEnvironment& environment)
    : m_session(session)
    , m_environment(environment)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

ProgramCopy::~ProgramCopy()
{
    if (m_process.state() != QProcess::NotRunning)
        killHard();
}

void ProgramCopy::start()
{
    startWith(QStringLiteral(ZELT_PROGRAM_PATH), {});
}

void ProgramCopy::startBehind(const Gate& gate)
{
    startWith(QStringLiteral("/bin/sh"),
              {QStringLiteral("-c"), QStringLiteral("while [ ! -e \"$1\" ]; do :; done; exec \"$0\""),
               QStringLiteral(ZELT_PROGRAM_PATH), gate.path()});
}

void ProgramCopy::startWith(const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_session.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const auto setOrUnset = [&environment](const char* name, const QString& value) {
        if (value.isEmpty())
            environment.remove(QString::fromLatin1(name));
        else
            environment.insert(QString::fromLatin1(name), value);
    };
    setOrUnset("XDG_CONFIG_HOME", m_environment.configFolder);
    setOrUnset("XDG_RUNTIME_DIR", m_environment.runtimeFolder);
    setOrUnset("HOME", m_environment.home);
    setOrUnset("TMPDIR", m_environment.tempFolder);
    m_process.setProcessEnvironment(environment);
    if (m_environment.beforeStart)
        m_process.setChildProcessModifier(m_environment.beforeStart);
    m_process.start(program, arguments);
}

QString ProgramCopy::waitForMainWindow(int milliseconds) const
{
    return m_session.waitForWindow(pid(), QString::fromLatin1(MainWindowTitle), milliseconds);
}

QString ProgramCopy::waitForMessageBox(int milliseconds) const
{
    return m_session.waitForWindow(pid(), QString::fromLatin1(MessageBoxTitle), milliseconds);
}

bool ProgramCopy::showsMainWindow() const
{
    return !m_session.windowsOf(pid(), QString::fromLatin1(MainWindowTitle)).isEmpty();
}

bool ProgramCopy::showsMessageBox() const
{
    return !m_session.windowsOf(pid(), QString::fromLatin1(MessageBoxTitle)).isEmpty();
}

bool ProgramCopy::closeMainWindow()
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const QString window = waitForMainWindow(5000);
        if (window.isEmpty() || !m_session.pressKeys(window, QStringLiteral("alt+F4")))
            return m_process.state() == QProcess::NotRunning;
        if (m_process.waitForFinished(5000))
            return true;
    }
    return false;
}

bool ProgramCopy::endsCleanly(int milliseconds)
{
    if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(milliseconds))
        return false;
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

void ProgramCopy::killHard()
{
    ::kill(pid_t(m_process.processId()), SIGKILL);
    m_process.waitForFinished();
}

QString ProgramCopy::output()
{
    if (m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(200);
    else
        m_process.waitForFinished(1000);
    m_output += m_process.readAll();
    return QString::fromLocal8Bit(m_output);
}

ProgramCopy::Gate::Gate(const QString& path)
    : m_path(path)
{
    QFile::remove(path);
}

void ProgramCopy::Gate::open() const
{
    QFile(m_path).open(QIODevice::WriteOnly);
}

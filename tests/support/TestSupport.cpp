#include "support/TestSupport.h"

#include "platform/WebBrowser.h"
#include "shell/frmMDI.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QSettings>

#include <csignal>
#include <sys/resource.h>
#include <QTest>

MessageRecorder::MessageRecorder()
{
    platform::setMessageHandler([this](const platform::Message& message) {
        messages.append(message);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return message.buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                                  : platform::MessageAnswer::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    platform::setMessageHandler({});
}

void MessageRecorder::answerNext(platform::MessageAnswer answer)
{
    m_answers.append(answer);
}

QStringList MessageRecorder::texts() const
{
    QStringList shown;
    for (const platform::Message& message : messages)
        shown.append(message.text);
    return shown;
}

UrlRecorder::UrlRecorder()
{
    platform::setUrlOpener([this](const QString& url) { urls.append(url); });
}

UrlRecorder::~UrlRecorder()
{
    platform::setUrlOpener({});
}

IsolatedUserFolders::IsolatedUserFolders()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    qputenv("XDG_RUNTIME_DIR", m_folder.path().toLocal8Bit());
}

NoFileWrites::NoFileWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previousLimit = limit.rlim_cur;
    limit.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &limit);
}

NoFileWrites::~NoFileWrites()
{
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_previousLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
}

bool drawnInVerdana(const QFont& font)
{
    const QString drawnIn = QFontInfo(font).family();
    if (QFontDatabase::families().contains(QStringLiteral("Verdana")))
        return drawnIn == QLatin1String("Verdana");
    return drawnIn == QLatin1String("DejaVu Sans");
}

QString pageUrl(const char* pageKey)
{
    return QStringLiteral("https://" ZELT_SITE_HOST "/zelt-free-noggle/ssd.php?page=") + QLatin1String(pageKey);
}

std::unique_ptr<frmMDI> showMainWindow()
{
    auto mainWindow = std::make_unique<frmMDI>();
    mainWindow->showMaximized();
    if (!QTest::qWaitForWindowActive(mainWindow.get()))
        qWarning("the main window did not become active");
    return mainWindow;
}

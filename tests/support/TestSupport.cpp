#include "support/TestSupport.h"

#include "platform/WebBrowser.h"
#include "shell/frmMDI.h"

#include <QSettings>
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

#include "support/TestSupport.h"

#include "platform/Settings.h"
#include "platform/WebBrowser.h"
#include "shell/frmMDI.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSettings>
#include <QTest>
#include <QUuid>

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

namespace {

#ifdef _WIN32
void clearRegistryKey()
{
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + program, QSettings::NativeFormat).clear();
}
#endif

} // namespace

IsolatedUserFolders::IsolatedUserFolders()
{
#ifdef _WIN32
    clearRegistryKey();
#else
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder.path()));
#endif
}

IsolatedUserFolders::~IsolatedUserFolders()
{
#ifdef _WIN32
    clearRegistryKey();
#endif
}

QString IsolatedUserFolders::lockName() const
{
#ifdef _WIN32
    return QStringLiteral("Local\\zelt-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
#else
    return QDir(m_folder.path()).filePath(QStringLiteral("ZeltNoggle.lock"));
#endif
}

bool drawnInVerdana(const QFont& font)
{
    const QString drawnIn = QFontInfo(font).family();
    if (QFontDatabase::families().contains(QStringLiteral("Verdana")))
        return drawnIn == QLatin1String("Verdana");
    return drawnIn == QLatin1String("DejaVu Sans");
}

QString storedDuration()
{
    return platform::readSetting(QStringLiteral("Settings"), QStringLiteral("Duration"))
        .value_or(QStringLiteral("(the settings cannot be read)"));
}

QString pageUrl(const char* pageKey)
{
    return QStringLiteral("https://" ZELT_SITE_HOST "/zelt-free-noggle/ssd.php?page=") + QLatin1String(pageKey);
}

std::unique_ptr<frmMDI> showMainWindow(QuizCatalogue quizzes)
{
    auto mainWindow = std::make_unique<frmMDI>(std::move(quizzes));
    mainWindow->showMaximized();
    if (!QTest::qWaitForWindowActive(mainWindow.get()))
        qWarning("the main window did not become active");
    return mainWindow;
}

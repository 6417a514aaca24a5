#include "platform/Clock.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "shell/StartUp.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QProcess>
#include <QTest>

namespace {

// A second process that holds the lock of that name, as a running copy of the program does.
class RunningCopy {
public:
    explicit RunningCopy(const QString& lockName)
    {
        m_process.start(QStringLiteral(LOCK_HOLDER_PATH), {lockName});
        m_process.waitForReadyRead(10000);
        m_held = m_process.readAllStandardOutput().startsWith("held");
    }

    ~RunningCopy()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool held() const { return m_held; }

    // Ends it at once, without a chance to let go of anything.
    void killHard()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
    bool m_held = false;
};

bool anyWindowShown()
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return true;
    }
    return false;
}

// Whether a main window has been made, shown or not.
bool mainWindowExists()
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<const frmMDI*>(window))
            return true;
    }
    return false;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lockHeldByAnotherProcessIsDetected();
    void lockOfAKilledCopyDoesNotBlock();

    void secondCopyShowsTheMessageAndNoWindow();
    void onlyCopyShowsTheMainWindowMaximisedWithoutAMessage();
    void updateQuestionComesBeforeTheMainWindow();

private:
    QString lockName() const { return m_lockName; }

    std::unique_ptr<IsolatedUserFolders> m_folders;
    QString m_lockName;
};

void TestStartUp::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
    m_lockName = m_folders->lockName();
    platform::setTodayForTesting(QDate(2026, 12, 10));
}

void TestStartUp::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    platform::setTodayForTesting(QDate());
    m_folders.reset();
}

void TestStartUp::lockHeldByAnotherProcessIsDetected()
{
    RunningCopy first(lockName());
    QVERIFY(first.held());
    platform::SingleInstanceLock second(lockName());
    QVERIFY(second.anotherCopyIsRunning());
}

void TestStartUp::lockOfAKilledCopyDoesNotBlock()
{
    RunningCopy first(lockName());
    QVERIFY(first.held());
    first.killHard();

    platform::SingleInstanceLock next(lockName());
    QVERIFY(!next.anotherCopyIsRunning());
    // And now this copy is the one that holds it.
    RunningCopy third(lockName());
    QVERIFY(!third.held());
}

void TestStartUp::secondCopyShowsTheMessageAndNoWindow()
{
    RunningCopy first(lockName());
    QVERIFY(first.held());
    bool windowShownBeforeMessage = true;
    MessageRecorder messages;
    platform::setMessageHandler([&](const platform::Message& message) {
        windowShownBeforeMessage = anyWindowShown();
        messages.messages.append(message);
        return platform::MessageAnswer::Ok;
    });

    platform::SingleInstanceLock lock(lockName());
    QVERIFY(!StartUp(lock, zeltNoggleQuizzes()));

    QCOMPARE(messages.texts(), QStringList{texts::text("messages.alreadyRunning")});
    QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Information);
    QCOMPARE(messages.messages[0].buttons, platform::MessageButtons::Ok);
    QVERIFY(!windowShownBeforeMessage);
    QVERIFY(!anyWindowShown());
    // The update check never ran.
    QCOMPARE(storedDuration(), QString());
}

void TestStartUp::onlyCopyShowsTheMainWindowMaximisedWithoutAMessage()
{
    MessageRecorder messages;
    platform::SingleInstanceLock lock(lockName());
    const std::unique_ptr<frmMDI> mainWindow = StartUp(lock, zeltNoggleQuizzes());
    QVERIFY(mainWindow);
    QVERIFY(mainWindow->isVisible());
    QVERIFY(mainWindow->windowState() & Qt::WindowMaximized);
    QCOMPARE(messages.texts(), QStringList{});
    QCOMPARE(storedDuration(), QStringLiteral("2026-12-10"));

    RunningCopy second(lockName());
    QVERIFY(!second.held());
}

void TestStartUp::updateQuestionComesBeforeTheMainWindow()
{
    platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-01-01"));
    bool mainWindowExisted = true;
    int questions = 0;
    platform::setMessageHandler([&](const platform::Message&) {
        ++questions;
        mainWindowExisted = mainWindowExists() || anyWindowShown();
        return platform::MessageAnswer::No;
    });

    platform::SingleInstanceLock lock(lockName());
    const std::unique_ptr<frmMDI> mainWindow = StartUp(lock, zeltNoggleQuizzes());
    platform::setMessageHandler({});

    QCOMPARE(questions, 1);
    QVERIFY(!mainWindowExisted);
    QVERIFY(mainWindow && mainWindow->isVisible());
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"

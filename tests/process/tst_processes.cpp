#include "ProgramCopy.h"
#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/NoFileWrites.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// How often two copies are started at the same instant.
constexpr int SimultaneousStarts = 100;

// What a crash, another program or another user may leave where the lock goes.
enum class Leftover { EmptyFile, Garbage, OtherHostsLock, Directory, DanglingLink, Pipe };

// Puts the leftover at the path; false when it could not be made.
bool leave(Leftover leftover, const QString& path)
{
    QFile file(path);
    switch (leftover) {
    case Leftover::EmptyFile: return file.open(QIODevice::WriteOnly);
    case Leftover::Garbage: return file.open(QIODevice::WriteOnly) && file.write("\x7f\x01garbage\xff\n") > 0;
    case Leftover::OtherHostsLock:
        return file.open(QIODevice::WriteOnly) && file.write("1\nZeltNoggle\nanother-host\n") > 0;
    case Leftover::Directory: return QDir().mkdir(path);
    case Leftover::DanglingLink: return QFile::link(path + QStringLiteral(".missing"), path);
    case Leftover::Pipe: return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Leftover)

class TestProcesses : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void twoCopiesStartedTogetherLeaveOneRunning();
    void copyKilledHardDoesNotBlockTheNextStart();
    void copyWhoseLockCannotBeWrittenStillStarts_data();
    void copyWhoseLockCannotBeWrittenStillStarts();
    void leftoverInPlaceOfTheLockNeverBlocks_data();
    void leftoverInPlaceOfTheLockNeverBlocks();

private:
    CopyEnvironment freshEnvironment() const { return m_folders->environment(); }
    // Starts a copy and expects its main window and no message; the copy is left running.
    void expectMainWindow(ProgramCopy& copy);

    std::unique_ptr<XSession> m_session;
    std::unique_ptr<CopyFolders> m_folders;
};

void TestProcesses::initTestCase()
{
    m_session = std::make_unique<XSession>();
    QVERIFY2(m_session->failure().isEmpty(), qPrintable(m_session->failure()));
}

void TestProcesses::init()
{
    m_folders = std::make_unique<CopyFolders>();
}

void TestProcesses::twoCopiesStartedTogetherLeaveOneRunning()
{
    for (int round = 1; round <= SimultaneousStarts; ++round) {
        ProgramCopy first(*m_session, freshEnvironment());
        ProgramCopy second(*m_session, freshEnvironment());
        const ProgramCopy::Gate gate(m_folders->path("gate"));
        first.startBehind(gate);
        second.startBehind(gate);
        QVERIFY(first.waitForStarted() && second.waitForStarted());
        gate.open();

        ProgramCopy* running = nullptr;
        ProgramCopy* refused = nullptr;
        QVERIFY2(waitUntil(
                     [&] {
                         for (auto [one, other] : {std::pair{&first, &second}, std::pair{&second, &first}}) {
                             if (one->showsMainWindow() && other->showsMessageBox()) {
                                 running = one;
                                 refused = other;
                             }
                         }
                         return running != nullptr;
                     },
                     60000),
                 qPrintable(QStringLiteral("round %1: not one main window and one message\n%2\n%3")
                                .arg(round)
                                .arg(first.output(), second.output())));

        QVERIFY2(!refused->showsMainWindow(), qPrintable(QStringLiteral("round %1").arg(round)));
        QVERIFY(m_session->pressKeys(refused->waitForMessageBox(), QStringLiteral("Return")));
        QVERIFY2(refused->endsCleanly(), qPrintable(refused->output()));

        // The search can miss a window while the other copy's windows are being destroyed.
        QVERIFY2(!running->waitForMainWindow(5000).isEmpty(), qPrintable(QStringLiteral("round %1").arg(round)));
        QVERIFY(!running->showsMessageBox());
        QVERIFY(running->closeMainWindow());
        QVERIFY2(running->endsCleanly(), qPrintable(running->output()));
    }
}

void TestProcesses::copyKilledHardDoesNotBlockTheNextStart()
{
    ProgramCopy killed(*m_session, freshEnvironment());
    killed.start();
    QVERIFY(!killed.waitForMainWindow().isEmpty());
    killed.killHard();

    ProgramCopy next(*m_session, freshEnvironment());
    next.start();
    QVERIFY2(!next.waitForMainWindow().isEmpty(), qPrintable(next.output()));
    QVERIFY(!next.showsMessageBox());
    QVERIFY(next.closeMainWindow());
    QVERIFY2(next.endsCleanly(), qPrintable(next.output()));
}

void TestProcesses::copyWhoseLockCannotBeWrittenStillStarts_data()
{
    QTest::addColumn<QString>("runtimeFolder");
    QTest::addColumn<bool>("filesCannotGrow");
    QTest::newRow("runtime folder is a file") << QStringLiteral("file") << false;
    QTest::newRow("runtime folder lies under a file") << QStringLiteral("file/runtime") << false;
    QTest::newRow("no byte can be written") << QStringLiteral("runtime") << true;
}

void TestProcesses::copyWhoseLockCannotBeWrittenStillStarts()
{
    QFETCH(QString, runtimeFolder);
    QFETCH(bool, filesCannotGrow);
    QFile file(m_folders->path("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    CopyEnvironment environment = freshEnvironment();
    environment.runtimeFolder = QDir(m_folders->path("")).filePath(runtimeFolder);
    if (filesCannotGrow)
        environment.beforeStart = forbidFileWrites;
    // The lock's other place, the temporary folder, cannot be written either.
    environment.tempFolder = environment.runtimeFolder;

    ProgramCopy copy(*m_session, environment);
    copy.start();
    QVERIFY2(!copy.waitForMainWindow().isEmpty(), qPrintable(copy.output()));
    QVERIFY(!copy.showsMessageBox());
    QVERIFY(copy.closeMainWindow());
    QVERIFY2(copy.endsCleanly(), qPrintable(copy.output()));
}

void TestProcesses::expectMainWindow(ProgramCopy& copy)
{
    copy.start();
    QVERIFY2(!copy.waitForMainWindow().isEmpty(), qPrintable(copy.output()));
    QVERIFY(!copy.showsMessageBox());
}

void TestProcesses::leftoverInPlaceOfTheLockNeverBlocks_data()
{
    QTest::addColumn<Leftover>("leftover");
    QTest::addColumn<bool>("inTheTemporaryFolder");
    QTest::addColumn<bool>("guards");

    // A plain file of the user's is taken whatever it holds, and then keeps a second copy out.
    QTest::newRow("an empty file") << Leftover::EmptyFile << false << true;
    QTest::newRow("garbage") << Leftover::Garbage << false << true;
    QTest::newRow("another host's lock") << Leftover::OtherHostsLock << false << true;
    // Anything else is not followed, not waited on, and not the user's lock.
    QTest::newRow("a directory") << Leftover::Directory << false << false;
    QTest::newRow("a dangling link") << Leftover::DanglingLink << false << false;
    QTest::newRow("a named pipe") << Leftover::Pipe << false << false;
    // Without a runtime folder the program makes no lock in the shared temporary folder, where
    // anybody could have put one first.
    QTest::newRow("no runtime folder, a pipe in the temporary folder") << Leftover::Pipe << true << false;
    QTest::newRow("no runtime folder, a lock in the temporary folder") << Leftover::EmptyFile << true << false;
}

void TestProcesses::leftoverInPlaceOfTheLockNeverBlocks()
{
    QFETCH(Leftover, leftover);
    QFETCH(bool, inTheTemporaryFolder);
    QFETCH(bool, guards);
    CopyEnvironment environment = freshEnvironment();
    const QString user = QString::fromLocal8Bit(qgetenv("USER"));
    if (inTheTemporaryFolder) {
        environment.runtimeFolder.clear();
        QVERIFY(leave(leftover, QDir(environment.tempFolder).filePath(QStringLiteral("ZeltNoggle-%1.lock").arg(user))));
        QVERIFY(leave(leftover, QDir(environment.tempFolder).filePath(QStringLiteral("runtime-%1").arg(user))));
    } else {
        QVERIFY(leave(leftover, QDir(environment.runtimeFolder).filePath(QStringLiteral("ZeltNoggle.lock"))));
    }

    ProgramCopy first(*m_session, environment);
    expectMainWindow(first);
    if (QTest::currentTestFailed())
        return;
    if (guards) {
        ProgramCopy second(*m_session, environment);
        second.start();
        QVERIFY2(!second.waitForMessageBox().isEmpty(), qPrintable(second.output()));
        QVERIFY(m_session->pressKeys(second.waitForMessageBox(), QStringLiteral("Return")));
        QVERIFY2(second.endsCleanly(), qPrintable(second.output()));
    }
    QVERIFY(first.closeMainWindow());
    QVERIFY2(first.endsCleanly(), qPrintable(first.output()));
}

QTEST_GUILESS_MAIN(TestProcesses)
#include "tst_processes.moc"

#include "platform/SingleInstance.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>

namespace {

enum class InPlace { Nothing, EmptyFile, Garbage, OtherHost, Directory, DanglingLink, LinkToAFile, Fifo };

} // namespace

Q_DECLARE_METATYPE(InPlace)

// The lock file on Linux: whatever an earlier copy, a crash or another program left in its place,
// a start is never refused for good, never waits, and never writes through a link.
class TestLockFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void leftoversNeverBlockAStart_data();
    void leftoversNeverBlockAStart();
    void fileOfAKilledCopyDoesNotBlock();
    void lockWithoutAFolderLetsTheProgramRun();

private:
    QString lockPath() const { return m_folders->lockName(); }
    QString path(const char* name) const { return QDir(m_folders->path()).filePath(QString::fromLatin1(name)); }
    void put(InPlace what);

    std::unique_ptr<IsolatedUserFolders> m_folders;
};

void TestLockFile::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
}

void TestLockFile::put(InPlace what)
{
    QFile lock(lockPath());
    switch (what) {
    case InPlace::Nothing: break;
    case InPlace::EmptyFile: QVERIFY(lock.open(QIODevice::WriteOnly)); break;
    case InPlace::Garbage:
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("\x7f\x01garbage\xff\n\n");
        break;
    case InPlace::OtherHost:
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("1\nZeltNoggle\nanother-host\n");
        break;
    case InPlace::Directory: QVERIFY(QDir().mkdir(lockPath())); break;
    case InPlace::DanglingLink: QVERIFY(QFile::link(path("nowhere"), lockPath())); break;
    case InPlace::LinkToAFile: {
        QFile target(path("target"));
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write("keep me\n");
        target.close();
        QVERIFY(QFile::link(target.fileName(), lockPath()));
        break;
    }
    case InPlace::Fifo: QCOMPARE(::mkfifo(QFile::encodeName(lockPath()).constData(), 0600), 0); break;
    }
}

void TestLockFile::leftoversNeverBlockAStart_data()
{
    QTest::addColumn<InPlace>("inPlace");
    QTest::addColumn<bool>("guards");

    // A plain file of the user's is taken whatever it holds, and then keeps a second copy out.
    QTest::newRow("nothing") << InPlace::Nothing << true;
    QTest::newRow("an empty file") << InPlace::EmptyFile << true;
    QTest::newRow("garbage") << InPlace::Garbage << true;
    QTest::newRow("another host's lock") << InPlace::OtherHost << true;
    // Anything else is never followed, written or waited on; the program then runs unguarded.
    QTest::newRow("a directory") << InPlace::Directory << false;
    QTest::newRow("a dangling link") << InPlace::DanglingLink << false;
    QTest::newRow("a link to a file") << InPlace::LinkToAFile << false;
    QTest::newRow("a named pipe") << InPlace::Fifo << false;
}

void TestLockFile::leftoversNeverBlockAStart()
{
    QFETCH(InPlace, inPlace);
    QFETCH(bool, guards);
    put(inPlace);

    QElapsedTimer taking;
    taking.start();
    platform::SingleInstanceLock first(lockPath());
    QVERIFY(!first.anotherCopyIsRunning());
    QVERIFY(taking.elapsed() < 1000);

    platform::SingleInstanceLock second(lockPath());
    QCOMPARE(second.anotherCopyIsRunning(), guards);
    QVERIFY(!QFile::exists(path("nowhere")));
    if (inPlace == InPlace::LinkToAFile) {
        QFile target(path("target"));
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), QByteArray("keep me\n"));
    }
}

void TestLockFile::fileOfAKilledCopyDoesNotBlock()
{
    QProcess holder;
    holder.start(QStringLiteral(LOCK_HOLDER_PATH), {lockPath()});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput(), QByteArray("held\n"));
    holder.kill();
    holder.waitForFinished();
    QVERIFY(QFile::exists(lockPath()));

    platform::SingleInstanceLock next(lockPath());
    QVERIFY(!next.anotherCopyIsRunning());
}

void TestLockFile::lockWithoutAFolderLetsTheProgramRun()
{
    QFile fileInPlaceOfAFolder(path("file"));
    QVERIFY(fileInPlaceOfAFolder.open(QIODevice::WriteOnly));
    platform::SingleInstanceLock lock(fileInPlaceOfAFolder.fileName() + QStringLiteral("/ZeltNoggle.lock"));
    QVERIFY(!lock.anotherCopyIsRunning());
    platform::SingleInstanceLock noName{QString()};
    QVERIFY(!noName.anotherCopyIsRunning());
}

QTEST_MAIN(TestLockFile)
#include "tst_lockfile.moc"

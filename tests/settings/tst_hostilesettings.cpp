#include "ProgramCopy.h"
#include "XSession.h"
#include "support/NoFileWrites.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray randomBytes(qsizetype count)
{
    QRandomGenerator random(20261210);
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QByteArray storedDuration(const QByteArray& value)
{
    return "[Settings]\nDuration=" + value + "\n";
}

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

enum class Folder { Writable, ReadOnly };
enum class Afterwards { Today, Unchanged, Whatever };
enum class InPlace { LinkToAFile, DanglingLink, LinkToADevice, Device, Pipe, Directory, HugeFile };

// What lies at a path, as far as the test can tell without opening it.
struct Entry {
    mode_t type = 0;
    QString linkTarget;
    off_t size = 0;
    qint64 modified = 0;

    static Entry at(const QString& path)
    {
        struct stat status { };
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return {};
        return {mode_t(status.st_mode & S_IFMT), QFile::symLinkTarget(path), status.st_size, qint64(status.st_mtime)};
    }
    bool operator==(const Entry&) const = default;
};

} // namespace

Q_DECLARE_METATYPE(Folder)
Q_DECLARE_METATYPE(Afterwards)
Q_DECLARE_METATYPE(InPlace)

class TestHostileSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startsAndAsksOnlyWhenItsRulesSay_data();
    void startsAndAsksOnlyWhenItsRulesSay();
    void startsWithoutAHome_data();
    void startsWithoutAHome();
    void neverFollowsWaitsOnOrWritesThroughOtherFiles_data();
    void neverFollowsWaitsOnOrWritesThroughOtherFiles();

private:
    QString settingsFile() const { return QDir(m_folders->path("config")).filePath(QStringLiteral("ZeltNoggle.conf")); }
    CopyEnvironment environment() const { return m_folders->environment(); }
    // Starts the program, answers No to the question if it comes, and checks that it was asked
    // exactly when expected, that the main window comes and that the program ends cleanly.
    void startExpecting(const CopyEnvironment& environment, bool question);

    std::unique_ptr<XSession> m_session;
    std::unique_ptr<CopyFolders> m_folders;
};

void TestHostileSettings::initTestCase()
{
    m_session = std::make_unique<XSession>();
    QVERIFY2(m_session->failure().isEmpty(), qPrintable(m_session->failure()));
}

void TestHostileSettings::init()
{
    m_folders = std::make_unique<CopyFolders>();
}

void TestHostileSettings::startExpecting(const CopyEnvironment& environment, bool question)
{
    ProgramCopy copy(*m_session, environment);
    copy.start();
    QString first;
    QVERIFY2(waitUntil(
                 [&] {
                     if (copy.showsMessageBox())
                         first = QString::fromLatin1(MessageBoxTitle);
                     else if (copy.showsMainWindow())
                         first = QString::fromLatin1(MainWindowTitle);
                     return !first.isEmpty();
                 },
                 30000),
             qPrintable(QStringLiteral("neither the question nor the main window came\n") + copy.output()));

    QCOMPARE(first == QLatin1String(MessageBoxTitle), question);
    if (question) {
        QVERIFY(m_session->pressKeys(copy.waitForMessageBox(), QStringLiteral("n")));
        QVERIFY2(!copy.waitForMainWindow().isEmpty(), qPrintable(copy.output()));
    }
    QVERIFY(!copy.showsMessageBox());
    QVERIFY(copy.closeMainWindow());
    QVERIFY2(copy.endsCleanly(), qPrintable(copy.output()));
}

void TestHostileSettings::startsAndAsksOnlyWhenItsRulesSay_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<Folder>("folder");
    QTest::addColumn<bool>("question");
    QTest::addColumn<Afterwards>("afterwards");

    QTest::newRow("random bytes") << randomBytes(64 * 1024) << Folder::Writable << false << Afterwards::Whatever;
    QTest::newRow("a megabyte of Duration")
        << storedDuration(QByteArray(1024 * 1024, '7')) << Folder::Writable << false << Afterwards::Unchanged;
    QTest::newRow("a megabyte of Duration, dashes")
        << storedDuration(QByteArray(1024 * 1024, '-')) << Folder::Writable << false << Afterwards::Unchanged;
    QTest::newRow("0001-01-01") << storedDuration("0001-01-01") << Folder::Writable << true << Afterwards::Today;
    QTest::newRow("9999-12-31") << storedDuration("9999-12-31") << Folder::Writable << true << Afterwards::Today;
    QTest::newRow("year 0") << storedDuration("0000-01-01") << Folder::Writable << false << Afterwards::Unchanged;
    QTest::newRow("February 30") << storedDuration("2026-02-30") << Folder::Writable << false << Afterwards::Unchanged;
    QTest::newRow("a date and more") << storedDuration("2026-01-01junk") << Folder::Writable << false
                                     << Afterwards::Unchanged;
    QTest::newRow("today") << storedDuration(today().toLatin1()) << Folder::ReadOnly << false << Afterwards::Unchanged;
    QTest::newRow("read-only, nothing stored") << QByteArray() << Folder::ReadOnly << false << Afterwards::Unchanged;
    QTest::newRow("read-only, 0001-01-01")
        << storedDuration("0001-01-01") << Folder::ReadOnly << true << Afterwards::Unchanged;
}

void TestHostileSettings::startsAndAsksOnlyWhenItsRulesSay()
{
    QFETCH(QByteArray, stored);
    QFETCH(Folder, folder);
    QFETCH(bool, question);
    QFETCH(Afterwards, afterwards);

    if (!stored.isEmpty()) {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored);
    }
    CopyEnvironment copyEnvironment = environment();
    if (folder == Folder::ReadOnly) {
        // The folder's permissions do not stop root; the file-size limit does.
        QFile::setPermissions(copyEnvironment.configFolder, QFile::ReadOwner | QFile::ExeOwner);
        copyEnvironment.beforeStart = forbidFileWrites;
    }

    startExpecting(copyEnvironment, question);

    QFile file(settingsFile());
    if (afterwards == Afterwards::Unchanged) {
        QCOMPARE(file.exists(), !stored.isEmpty());
        if (file.open(QIODevice::ReadOnly))
            QVERIFY(file.readAll() == stored);
    } else if (afterwards == Afterwards::Today) {
        QCOMPARE(QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString(),
                 today());
    }
    QFile::setPermissions(copyEnvironment.configFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestHostileSettings::startsWithoutAHome_data()
{
    QTest::addColumn<bool>("configFolderGiven");
    QTest::newRow("no HOME, settings folder given") << true;
    QTest::newRow("HOME names a missing folder, no settings folder") << false;
}

// The first start without a stored date asks nothing and stores today.
void TestHostileSettings::startsWithoutAHome()
{
    QFETCH(bool, configFolderGiven);
    CopyEnvironment copyEnvironment = environment();
    QString expectedFile = settingsFile();
    if (configFolderGiven) {
        copyEnvironment.home.clear();
    } else {
        copyEnvironment.home = m_folders->path("missing");
        copyEnvironment.configFolder.clear();
        expectedFile = copyEnvironment.home + QStringLiteral("/.config/ZeltNoggle.conf");
    }

    startExpecting(copyEnvironment, false);

    QCOMPARE(QSettings(expectedFile, QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString(),
             today());
}

void TestHostileSettings::neverFollowsWaitsOnOrWritesThroughOtherFiles_data()
{
    QTest::addColumn<InPlace>("inPlace");
    QTest::newRow("a link to a file") << InPlace::LinkToAFile;
    QTest::newRow("a dangling link") << InPlace::DanglingLink;
    QTest::newRow("a link to a device") << InPlace::LinkToADevice;
    QTest::newRow("a device") << InPlace::Device;
    QTest::newRow("a named pipe") << InPlace::Pipe;
    QTest::newRow("a folder") << InPlace::Directory;
    QTest::newRow("200 MB") << InPlace::HugeFile;
}

// Whatever lies in place of the settings file, the program starts at once without a question,
// as for a store it cannot read, and leaves it and whatever it points to as they were.
void TestHostileSettings::neverFollowsWaitsOnOrWritesThroughOtherFiles()
{
    QFETCH(InPlace, inPlace);
    const QDir home(m_folders->path("home"));
    const QString target = home.filePath(QStringLiteral(".bashrc"));
    const QByteArray targetText = "# the user's own file\nexport EDITOR=vi\n";
    const QString device = home.filePath(QStringLiteral("null"));
    const QByteArray path = QFile::encodeName(settingsFile());
    QFile targetFile(target);
    QVERIFY(targetFile.open(QIODevice::WriteOnly) && targetFile.write(targetText) == targetText.size());
    targetFile.close();
    const bool deviceNeeded = inPlace == InPlace::LinkToADevice || inPlace == InPlace::Device;
    // Our own node for the device that discards what is written to it, never the system's.
    if (deviceNeeded && ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("only root can make a device");

    switch (inPlace) {
    case InPlace::LinkToAFile: QVERIFY(QFile::link(target, settingsFile())); break;
    case InPlace::DanglingLink: QVERIFY(QFile::link(target + QStringLiteral(".missing"), settingsFile())); break;
    case InPlace::LinkToADevice: QVERIFY(QFile::link(device, settingsFile())); break;
    case InPlace::Device: QCOMPARE(::mknod(path.constData(), S_IFCHR | 0600, makedev(1, 3)), 0); break;
    case InPlace::Pipe: QCOMPARE(::mkfifo(path.constData(), 0600), 0); break;
    case InPlace::Directory: QVERIFY(QDir().mkdir(settingsFile())); break;
    case InPlace::HugeFile: {
        QFile huge(settingsFile());
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(storedDuration("2000-01-01"));
        QVERIFY(huge.resize(200 * 1024 * 1024));
        break;
    }
    }
    const Entry before = Entry::at(settingsFile());
    const Entry deviceBefore = Entry::at(device);

    QElapsedTimer started;
    started.start();
    startExpecting(environment(), false);
    QVERIFY2(started.elapsed() < 20000, qPrintable(QStringLiteral("%1 ms").arg(started.elapsed())));

    QVERIFY(Entry::at(settingsFile()) == before);
    QVERIFY(Entry::at(device) == deviceBefore);
    QVERIFY(!QFile::exists(target + QStringLiteral(".missing")));
    QVERIFY(targetFile.open(QIODevice::ReadOnly));
    QCOMPARE(targetFile.readAll(), targetText);
}

QTEST_GUILESS_MAIN(TestHostileSettings)
#include "tst_hostilesettings.moc"

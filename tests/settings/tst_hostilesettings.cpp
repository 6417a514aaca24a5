#include "ProgramCopy.h"
#include "XSession.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The settings folder can be read but nothing in it can be written; the limit also holds for
// root, whom the folder's permissions would not stop.
void forbidFileWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {0, 0};
    setrlimit(RLIMIT_FSIZE, &limit);
}

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

} // namespace

Q_DECLARE_METATYPE(Folder)
Q_DECLARE_METATYPE(Afterwards)

class TestHostileSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startsAndAsksOnlyWhenItsRulesSay_data();
    void startsAndAsksOnlyWhenItsRulesSay();
    void startsWithoutAHome_data();
    void startsWithoutAHome();

private:
    QString settingsFile() const { return QDir(m_folder->path()).filePath(QStringLiteral("config/ZeltNoggle.conf")); }
    CopyEnvironment environment() const;
    // Starts the program, answers No to the question if it comes, and checks that it was asked
    // exactly when expected, that the main window comes and that the program ends cleanly.
    void startExpecting(const CopyEnvironment& environment, bool question);

    std::unique_ptr<XSession> m_session;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestHostileSettings::initTestCase()
{
    m_session = std::make_unique<XSession>();
    QVERIFY2(m_session->failure().isEmpty(), qPrintable(m_session->failure()));
}

void TestHostileSettings::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QDir folder(m_folder->path());
    for (const char* name : {"config", "runtime", "home"})
        QVERIFY(folder.mkdir(QString::fromLatin1(name)));
}

CopyEnvironment TestHostileSettings::environment() const
{
    const QDir folder(m_folder->path());
    return {folder.filePath(QStringLiteral("config")), folder.filePath(QStringLiteral("runtime")),
            folder.filePath(QStringLiteral("home")), folder.filePath(QStringLiteral("runtime")), {}};
}

void TestHostileSettings::startExpecting(const CopyEnvironment& environment, bool question)
{
    ProgramCopy copy(*m_session, environment);
    copy.start();
    QString first;
    QVERIFY2(waitUntil([&] {
        if (copy.showsMessageBox())
            first = QString::fromLatin1(MessageBoxTitle);
        else if (copy.showsMainWindow())
            first = QString::fromLatin1(MainWindowTitle);
        return !first.isEmpty();
    }, 30000),
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
    QTest::newRow("a megabyte of Duration") << storedDuration(QByteArray(1024 * 1024, '7')) << Folder::Writable << false
                                            << Afterwards::Unchanged;
    QTest::newRow("a megabyte of Duration, dashes") << storedDuration(QByteArray(1024 * 1024, '-')) << Folder::Writable
                                                    << false << Afterwards::Unchanged;
    QTest::newRow("0001-01-01") << storedDuration("0001-01-01") << Folder::Writable << true << Afterwards::Today;
    QTest::newRow("9999-12-31") << storedDuration("9999-12-31") << Folder::Writable << true << Afterwards::Today;
    QTest::newRow("year 0") << storedDuration("0000-01-01") << Folder::Writable << false << Afterwards::Unchanged;
    QTest::newRow("February 30") << storedDuration("2026-02-30") << Folder::Writable << false << Afterwards::Unchanged;
    QTest::newRow("today") << storedDuration(today().toLatin1()) << Folder::ReadOnly << false << Afterwards::Unchanged;
    QTest::newRow("read-only, nothing stored") << QByteArray() << Folder::ReadOnly << false << Afterwards::Unchanged;
    QTest::newRow("read-only, 0001-01-01") << storedDuration("0001-01-01") << Folder::ReadOnly << true
                                           << Afterwards::Unchanged;
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
        copyEnvironment.home = QDir(m_folder->path()).filePath(QStringLiteral("missing"));
        copyEnvironment.configFolder.clear();
        expectedFile = copyEnvironment.home + QStringLiteral("/.config/ZeltNoggle.conf");
    }

    startExpecting(copyEnvironment, false);

    QCOMPARE(QSettings(expectedFile, QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString(), today());
}

QTEST_GUILESS_MAIN(TestHostileSettings)
#include "tst_hostilesettings.moc"

#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "platform/WebBrowser.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

namespace {

// A private scheme whose pages the shell hands to our recorder instead of a browser. It is made
// known among the machine's classes, which the Wine of the tests lets any program write.
const QString RecorderScheme = QStringLiteral("zelt-recorder");
const QString SchemeKey = QStringLiteral("HKEY_CLASSES_ROOT\\") + RecorderScheme;

// The path with its drive, as the shell needs it from any folder.
QString windowsPath(const char* path)
{
    return QDir::toNativeSeparators(QFileInfo(QString::fromLocal8Bit(path)).absoluteFilePath());
}

QString registryQuery(const QString& key, const QString& value)
{
    QProcess reg;
    reg.start(QStringLiteral("reg.exe"), {QStringLiteral("query"), key, QStringLiteral("/v"), value});
    reg.waitForFinished(30000);
    return QString::fromLocal8Bit(reg.readAllStandardOutput());
}

} // namespace

// The program's ties to Windows, each through the facility Windows itself offers.
class TestWindowsPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void pageOpensThroughTheShellAsSpecified_data();
    void pageOpensThroughTheShellAsSpecified();
    void dateLivesInTheRegistryUnderTheProgramsKey();
    void dateWrittenByOthersIsRead();
    void lockIsAMutexThatGoesWithItsHolder();

private:
    QString programKey() const;

    QTemporaryDir m_records;
    std::unique_ptr<IsolatedUserFolders> m_folders;
};

void TestWindowsPlatform::initTestCase()
{
    QSettings scheme(SchemeKey, QSettings::NativeFormat);
    scheme.setValue(QStringLiteral("Default"), QStringLiteral("URL:Zelt Noggle test recorder"));
    scheme.setValue(QStringLiteral("URL Protocol"), QString());
    const QString record = QDir::toNativeSeparators(m_records.filePath(QStringLiteral("record.txt")));
    scheme.setValue(QStringLiteral("shell/open/command/Default"),
                    QStringLiteral("\"%1\" \"%2\" \"%3\"")
                        .arg(windowsPath(URL_RECORDER_PATH), record, QStringLiteral("%1")));
}

void TestWindowsPlatform::cleanupTestCase()
{
    QSettings(SchemeKey, QSettings::NativeFormat).clear();
}

void TestWindowsPlatform::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
}

QString TestWindowsPlatform::programKey() const
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\")
        + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void TestWindowsPlatform::pageOpensThroughTheShellAsSpecified_data()
{
    QTest::addColumn<QString>("url");
    QTest::newRow("plain") << RecorderScheme + QStringLiteral(":ssd.php?page=help-web-page");
    // Handed over in the ANSI code page, where "é" is one byte of its own.
    QTest::newRow("beyond ASCII") << RecorderScheme + QStringLiteral(":caf\u00e9");
}

void TestWindowsPlatform::pageOpensThroughTheShellAsSpecified()
{
    QFETCH(QString, url);
    QFile record(m_records.filePath(QStringLiteral("record.txt")));
    record.remove();

    platform::openUrl(url);

    QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 20000);
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), url);
    QCOMPARE(lines.value(1), QStringLiteral("C:\\"));
    QCOMPARE(lines.value(2), QString::number(SW_SHOWNORMAL));
}

void TestWindowsPlatform::dateLivesInTheRegistryUnderTheProgramsKey()
{
    QVERIFY(
        platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-10")));
    const QString shown = registryQuery(programKey() + QStringLiteral("\\Settings"), QStringLiteral("Duration"));
    QVERIFY2(shown.contains(QRegularExpression(QStringLiteral("Duration\\s+REG_SZ\\s+2026-12-10"))), qPrintable(shown));
}

void TestWindowsPlatform::dateWrittenByOthersIsRead()
{
    QProcess reg;
    reg.start(QStringLiteral("reg.exe"),
              {QStringLiteral("add"), programKey() + QStringLiteral("\\Settings"), QStringLiteral("/v"),
               QStringLiteral("Duration"), QStringLiteral("/t"), QStringLiteral("REG_SZ"), QStringLiteral("/d"),
               QStringLiteral("2026-01-31"), QStringLiteral("/f")});
    QVERIFY(reg.waitForFinished(30000));
    QCOMPARE(reg.exitCode(), 0);
    QCOMPARE(storedDuration(), QStringLiteral("2026-01-31"));
}

void TestWindowsPlatform::lockIsAMutexThatGoesWithItsHolder()
{
    const QString name = m_folders->lockName();
    const auto mutexExists = [&] {
        HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, reinterpret_cast<const wchar_t*>(name.utf16()));
        if (mutex)
            CloseHandle(mutex);
        return mutex != nullptr;
    };
    {
        platform::SingleInstanceLock lock(name);
        QVERIFY(!lock.anotherCopyIsRunning());
        QVERIFY(mutexExists());
        QVERIFY(platform::SingleInstanceLock(name).anotherCopyIsRunning());
    }
    QVERIFY(!mutexExists());
    QVERIFY(platform::SingleInstanceLock::defaultName().startsWith(QLatin1String("Local\\")));
}

QTEST_MAIN(TestWindowsPlatform)
#include "tst_windowsplatform.moc"

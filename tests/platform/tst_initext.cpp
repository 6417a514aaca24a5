#include "platform/IniText.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What Qt's own settings read from the text: the files of earlier versions were written by them.
QString readByQt(const QByteArray& text, const QString& name)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.conf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    return QSettings(path, QSettings::IniFormat).value(name).toString();
}

} // namespace

// The settings file's text, read and changed line by line.
class TestIniText : public QObject {
    Q_OBJECT

private slots:
    void readsTheKeyOfItsSectionOnly_data();
    void readsTheKeyOfItsSectionOnly();
    void setsTheKeyAndKeepsEveryOtherLine_data();
    void setsTheKeyAndKeepsEveryOtherLine();
};

void TestIniText::readsTheKeyOfItsSectionOnly_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("duration");

    QTest::newRow("nothing") << QByteArray() << QString();
    QTest::newRow("as written") << QByteArray("[Settings]\nDuration=2026-12-10\n") << QStringLiteral("2026-12-10");
    QTest::newRow("Windows line ends") << QByteArray("[Settings]\r\nDuration=2026-12-10\r\n")
                                       << QStringLiteral("2026-12-10");
    QTest::newRow("spaces around") << QByteArray("[Settings]\n  Duration = 2026-12-10  \n")
                                   << QStringLiteral("2026-12-10");
    QTest::newRow("no line end") << QByteArray("[Settings]\nDuration=2026-12-10") << QStringLiteral("2026-12-10");
    QTest::newRow("after other keys and sections")
        << QByteArray("[General]\nDuration=1999-01-01\n\n[Settings]\nOther=1\nDuration=2026-12-10\n[Later]\n")
        << QStringLiteral("2026-12-10");
    QTest::newRow("only in another section") << QByteArray("[General]\nDuration=2026-12-10\n") << QString();
    QTest::newRow("a section of a longer name") << QByteArray("[SettingsOld]\nDuration=2026-12-10\n") << QString();
    QTest::newRow("a key of a longer name") << QByteArray("[Settings]\nDurations=2026-12-10\n") << QString();
    QTest::newRow("case differs") << QByteArray("[settings]\nduration=2026-12-10\n") << QString();
    QTest::newRow("commented out") << QByteArray("[Settings]\n;Duration=2026-12-10\n") << QString();
    QTest::newRow("the first of two") << QByteArray("[Settings]\nDuration=2026-12-10\nDuration=2000-01-01\n")
                                      << QStringLiteral("2026-12-10");
    QTest::newRow("not text") << QByteArray("\x01\xff[Settings\n=\n\n") << QString();
}

void TestIniText::readsTheKeyOfItsSectionOnly()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, duration);
    QCOMPARE(platform::ini::value(text, QStringLiteral("Settings"), QStringLiteral("Duration")), duration);
}

void TestIniText::setsTheKeyAndKeepsEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("nothing") << QByteArray() << QByteArray("[Settings]\nDuration=2026-12-10\n");
    QTest::newRow("replaced") << QByteArray("[Settings]\nDuration=2000-01-01\n")
                              << QByteArray("[Settings]\nDuration=2026-12-10\n");
    QTest::newRow("replaced among others")
        << QByteArray("; mine\n[General]\nDuration=x\n\n[Settings]\nA=1\nDuration=2000-01-01\nB=2\n\n[Later]\nC=3\n")
        << QByteArray("; mine\n[General]\nDuration=x\n\n[Settings]\nA=1\nDuration=2026-12-10\nB=2\n\n[Later]\nC=3\n");
    QTest::newRow("added to its section") << QByteArray("[Settings]\nA=1\n\n[Later]\nC=3\n")
                                          << QByteArray("[Settings]\nA=1\nDuration=2026-12-10\n\n[Later]\nC=3\n");
    QTest::newRow("added to an empty section")
        << QByteArray("[Settings]\n[Later]\n") << QByteArray("[Settings]\nDuration=2026-12-10\n[Later]\n");
    QTest::newRow("section added") << QByteArray("[General]\nA=1")
                                   << QByteArray("[General]\nA=1\n\n[Settings]\nDuration=2026-12-10\n");
}

void TestIniText::setsTheKeyAndKeepsEveryOtherLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    const QByteArray result = platform::ini::withValue(text, QStringLiteral("Settings"), QStringLiteral("Duration"),
                                                       QStringLiteral("2026-12-10"));
    QCOMPARE(result, written);
    QCOMPARE(platform::ini::value(result, QStringLiteral("Settings"), QStringLiteral("Duration")),
             QStringLiteral("2026-12-10"));
    QCOMPARE(readByQt(result, QStringLiteral("Settings/Duration")), QStringLiteral("2026-12-10"));
}

QTEST_GUILESS_MAIN(TestIniText)
#include "tst_initext.moc"

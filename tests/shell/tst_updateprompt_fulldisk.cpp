#include "platform/Clock.h"
#include "platform/Settings.h"
#include "shell/UpdatePrompt.h"
#include "support/NoFileWrites.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QDate Today(2026, 12, 10);

// What the settings file holds, read past the program's own settings cache.
QString storedOnDisk(const QString& folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.conf")}, QDir::Files);
    if (files.isEmpty())
        return QString();
    QFile file(files.first().filePath());
    file.open(QIODevice::ReadOnly);
    const QRegularExpression duration(QStringLiteral("^Duration=(.*)$"), QRegularExpression::MultilineOption);
    return duration.match(QString::fromUtf8(file.readAll())).captured(1);
}

} // namespace

// The update question on a disk where nothing can be written.
class TestUpdatePromptOnAFullDisk : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void unwritableStoreSkipsTheRestSilently_data();
    void unwritableStoreSkipsTheRestSilently();

private:
    std::unique_ptr<IsolatedUserFolders> m_folders;
};

void TestUpdatePromptOnAFullDisk::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
    platform::setTodayForTesting(Today);
}

void TestUpdatePromptOnAFullDisk::cleanup()
{
    platform::setTodayForTesting(QDate());
    m_folders.reset();
}

void TestUpdatePromptOnAFullDisk::unwritableStoreSkipsTheRestSilently_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::newRow("first start") << QString() << false;
    QTest::newRow("question due, Yes") << Today.addDays(-15).toString(Qt::ISODate) << true;
}

void TestUpdatePromptOnAFullDisk::unwritableStoreSkipsTheRestSilently()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    if (!stored.isEmpty())
        platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), stored);
    const NoFileWrites fullDisk;

    MessageRecorder messages;
    messages.answerNext(platform::MessageAnswer::Yes);
    UrlRecorder opened;
    modHelp::PromptForUpdate();

    QCOMPARE(messages.messages.size(), asks ? 1 : 0);
    QCOMPARE(opened.urls, QStringList{});
    QCOMPARE(storedOnDisk(m_folders->path()), stored);
}

QTEST_MAIN(TestUpdatePromptOnAFullDisk)
#include "tst_updateprompt_fulldisk.moc"

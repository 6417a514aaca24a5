#include "ProgramInvariants.h"

#include "ControlPaths.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/TestSupport.h"
#include "widgets/MouseLabel.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>

#include <array>

namespace {

using platform::MessageButtons;
using platform::MessageIcon;

struct KnownMessage {
    // Where the text stands among the program's texts.
    const char* text;
    MessageIcon icon;
    MessageButtons buttons = MessageButtons::Ok;
};

// Every message the program shows: the test windows' and those of start-up.
const std::array<KnownMessage, 10> KnownMessages = {{
    {"messages.enterOnlyLetters", MessageIcon::Information},
    {"messages.enterYourName", MessageIcon::Information},
    {"messages.selectYourSex", MessageIcon::None},
    {"messages.chooseAnAnswer", MessageIcon::Critical},
    {"messages.enterYourName", MessageIcon::Critical},
    {"messages.enterName", MessageIcon::Critical},
    {"messages.enterAge", MessageIcon::Critical},
    {"messages.ageMustBeNumber", MessageIcon::Critical},
    {"messages.alreadyRunning", MessageIcon::Information},
    {"messages.updateQuestion", MessageIcon::Information, MessageButtons::YesNo},
}};

const std::array<const char*, 5> PageKeys = {"help-web-page", "home-page", "download-web-page", "co-brand",
                                             "fully-branded"};

bool isKnown(const platform::Message& message)
{
    for (const KnownMessage& known : KnownMessages) {
        if (message.text == texts::text(QString::fromLatin1(known.text)) && message.icon == known.icon
            && message.buttons == known.buttons)
            return true;
    }
    return false;
}

bool isMakersPage(const QString& url)
{
    for (const char* key : PageKeys) {
        if (url == pageUrl(key))
            return true;
    }
    return false;
}

struct Range {
    const char* counter;
    int value;
    int lowest;
    int highest;
};

struct FilteredBox {
    const char* path;
    const char* allowed;
};

// What the key filters of the name and age boxes let in, whatever is typed or pasted.
const std::array<FilteredBox, 2> FilteredBoxes = {{
    {"frmBrainTestMain/txtName", "[A-Z ]*"},
    {"frmMFTestMain/txtAge", "[0-9]*"},
}};

// The box as "window/box": the test window it lies in and its own name.
QString boxPath(const QLineEdit* box)
{
    for (const QWidget* widget = box; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QuizWindow*>(widget))
            return widget->objectName() + QLatin1Char('/') + box->objectName();
    }
    return box->objectName();
}

} // namespace

QStringList countersOutOfRange()
{
    using namespace modBrainTest;
    using namespace modEmotionalQuotientTest;
    using namespace modMaleFemaleTest;
    const std::array<Range, 7> ranges = {{
        {"modBrainTest::BrainQuestionIndex", BrainQuestionIndex, 0, BrainQuestionCount},
        {"modBrainTest::BrainRightCount", BrainRightCount, 0, BrainQuestionCount},
        {"modBrainTest::BrainLeftCount", BrainLeftCount, 0, BrainQuestionCount},
        {"modEmotionalQuotientTest::EQQuestionIndex", EQQuestionIndex, 0, StatementCount},
        {"modEmotionalQuotientTest::EQScore", EQScore, 0, 5 * StatementCount},
        {"modMaleFemaleTest::MFQuestionIndex", MFQuestionIndex, 0, QuestionCount - 1},
        {"modMaleFemaleTest::MFScore", MFScore, 0, QuestionCount},
    }};
    QStringList outOfRange;
    for (const Range& range : ranges) {
        if (range.value < range.lowest || range.value > range.highest)
            outOfRange.append(QStringLiteral("counter out of range: %1 = %2, not %3 to %4")
                                  .arg(QLatin1String(range.counter))
                                  .arg(range.value)
                                  .arg(range.lowest)
                                  .arg(range.highest));
    }
    return outOfRange;
}

ProgramInvariants::ProgramInvariants(const MessageRecorder& messages, const UrlRecorder& pages,
                                     const QStringList& watchedFolders)
    : m_messages(messages)
    , m_pages(pages)
    , m_watchedFolders(watchedFolders)
    , m_filesAtStart(watchedFiles())
{
}

QStringList ProgramInvariants::broken(const frmMDI& mainWindow)
{
    return brokenWindows(mainWindow) + countersOutOfRange() + brokenFilters(mainWindow) + newMessagesBroken()
        + newPagesBroken() + changedFiles();
}

QStringList ProgramInvariants::brokenWindows(const frmMDI& mainWindow) const
{
    QStringList broken;
    const QList<QuizWindow*> shown = shownQuizWindows(mainWindow);
    if (shown.size() > 1) {
        QStringList names;
        for (const QuizWindow* window : shown)
            names.append(window->objectName());
        broken.append(QStringLiteral("test windows: %1 on screen at once").arg(names.join(QStringLiteral(", "))));
    }
    if (mainWindow.picMain->isVisible() != shown.isEmpty())
        broken.append(QStringLiteral("picMain: %1 while %2 test window is shown")
                          .arg(mainWindow.picMain->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden"),
                               shown.isEmpty() ? QStringLiteral("no") : QStringLiteral("a")));
    return broken;
}

QStringList ProgramInvariants::brokenFilters(const frmMDI& mainWindow) const
{
    QStringList broken;
    for (const QLineEdit* box : mainWindow.findChildren<QLineEdit*>()) {
        for (const FilteredBox& filtered : FilteredBoxes) {
            if (boxPath(box) != QLatin1String(filtered.path))
                continue;
            const QRegularExpression allowed(QRegularExpression::anchoredPattern(QLatin1String(filtered.allowed)));
            if (!allowed.match(box->text()).hasMatch())
                broken.append(
                    QStringLiteral("key filter: %1 holds \"%2\"").arg(QLatin1String(filtered.path), box->text()));
        }
    }
    return broken;
}

QStringList ProgramInvariants::newMessagesBroken()
{
    QStringList broken;
    for (; m_messagesChecked < m_messages.messages.size(); ++m_messagesChecked) {
        const platform::Message& message = m_messages.messages[m_messagesChecked];
        if (!isKnown(message))
            broken.append(QStringLiteral("message: \"%1\" (icon %2) is none of the program's own")
                              .arg(message.text)
                              .arg(int(message.icon)));
    }
    return broken;
}

QStringList ProgramInvariants::newPagesBroken()
{
    QStringList broken;
    for (; m_pagesChecked < m_pages.urls.size(); ++m_pagesChecked) {
        if (!isMakersPage(m_pages.urls[m_pagesChecked]))
            broken.append(QStringLiteral("page: %1 is none of the maker's five").arg(m_pages.urls[m_pagesChecked]));
    }
    return broken;
}

QStringList ProgramInvariants::changedFiles() const
{
    const QMap<QString, QByteArray> now = watchedFiles();
    if (now == m_filesAtStart)
        return {};
    QStringList changed;
    for (auto file = now.cbegin(); file != now.cend(); ++file) {
        if (m_filesAtStart.value(file.key(), QByteArray("\0missing", 8)) != file.value())
            changed.append(file.key());
    }
    for (auto file = m_filesAtStart.cbegin(); file != m_filesAtStart.cend(); ++file) {
        if (!now.contains(file.key()))
            changed.append(file.key());
    }
    return {QStringLiteral("files: written or removed: %1").arg(changed.join(QStringLiteral(", ")))};
}

QMap<QString, QByteArray> ProgramInvariants::watchedFiles() const
{
    QMap<QString, QByteArray> files;
    for (const QString& folder : m_watchedFolders) {
        QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile file(entries.next());
            files.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
    }
    return files;
}

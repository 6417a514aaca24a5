#include "FuzzedProgram.h"

#include "ControlPaths.h"
#include "EventChooser.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "platform/Settings.h"
#include "shell/StartUp.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "widgets/MouseLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// What Ctrl+V pastes: an address, a file name and digits, none of which may go anywhere.
const char ClipboardText[] = "https://example.invalid/?page=x ../../ZeltNoggle.conf 42";

// A new process starts with every run counter at zero.
void zeroRunCounters()
{
    modBrainTest::BrainQuestionIndex = 0;
    modBrainTest::BrainRightCount = 0;
    modBrainTest::BrainLeftCount = 0;
    modEmotionalQuotientTest::resetRun();
    modMaleFemaleTest::MFQuestionIndex = 0;
    modMaleFemaleTest::MFScore = 0;
}

// A closed main window asks the application to quit, after which every modal loop would end at
// once; a new process starts without that request, as the application's own loop leaves it.
void forgetRequestToQuit()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

bool anyButtonDown()
{
    const QList<QWidget*> widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](const QWidget* widget) {
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        return button && button->isDown();
    });
}

void settle()
{
    QCoreApplication::processEvents();
    // A button pressed with its access key comes up, and clicks, a tenth of a second later: the
    // click belongs to the key's event, however fast or slow the build runs.
    if (anyButtonDown() && !QTest::qWaitFor([] { return !anyButtonDown(); }, 2000))
        qWarning("a button stays pressed");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool logEvents()
{
    return qEnvironmentVariableIntValue("ZELT_FUZZ_LOG") != 0;
}

} // namespace

FuzzedProgram::FuzzedProgram(const QString& userFolder)
    : m_invariants(m_messages, m_pages, {userFolder})
{
    QGuiApplication::clipboard()->setText(QString::fromLatin1(ClipboardText));
    start();
}

FuzzedProgram::~FuzzedProgram()
{
    m_mainWindow.reset();
    settle();
}

void FuzzedProgram::start()
{
    m_mainWindow.reset();
    m_lock.reset();
    settle();
    forgetRequestToQuit();
    zeroRunCounters();
    m_startProblems = startUp(m_reach.starts);
    m_invariants.takeFilesAsTheyAre();
    ++m_reach.starts;
}

// Starts the program through its start-up, in turn: with its date recent, so that it asks nothing;
// with its date long past, so that it asks about an update (answered Yes or No); and while another
// copy holds the lock, which it refuses before it starts on. What went wrong is returned.
QStringList FuzzedProgram::startUp(int start)
{
    using platform::MessageAnswer;
    enum Way { Quietly, AskingAboutAnUpdate, BesideAnotherCopy };
    const auto way = Way(start % 3);
    platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"),
                           way == AskingAboutAnUpdate ? QStringLiteral("2026-01-01") : QStringLiteral("2026-12-01"));
    const qsizetype messagesBefore = m_messages.messages.size();
    QStringList expected;
    if (way == BesideAnotherCopy) {
        platform::SingleInstanceLock other;
        other.anotherCopyIsRunning();
        platform::SingleInstanceLock refused;
        if (StartUp(refused, zeltNoggleQuizzes()))
            return {QStringLiteral("start-up: a second copy showed its main window")};
        forgetRequestToQuit();
        expected.append(texts::text("messages.alreadyRunning"));
    }
    if (way == AskingAboutAnUpdate) {
        m_messages.answerNext(start % 2 ? MessageAnswer::Yes : MessageAnswer::No);
        expected.append(texts::text("messages.updateQuestion"));
    }
    m_lock = std::make_unique<platform::SingleInstanceLock>();
    m_mainWindow = StartUp(*m_lock, zeltNoggleQuizzes());
    if (!m_mainWindow)
        return {QStringLiteral("start-up: the only copy did not start")};
    const auto closingCommand = [this] { m_closingCommandUsed = true; };
    QObject::connect(m_mainWindow->menus.mnuExit, &QAction::triggered, closingCommand);
    QObject::connect(m_mainWindow->cmdMdiExit, &QPushButton::clicked, closingCommand);
    if (!QTest::qWaitForWindowActive(m_mainWindow.get()))
        qWarning("the main window did not become active");
    const QStringList shown = m_messages.texts().mid(messagesBefore);
    if (shown != expected)
        return {QStringLiteral("start-up: it said \"%1\", not \"%2\"")
                    .arg(shown.join(QLatin1Char('|')), expected.join(QLatin1Char('|')))};
    return {};
}

QString FuzzedProgram::step(const UserEvent& event)
{
    // Straight to the error stream: QtTest stops printing messages after a few thousand.
    if (logEvents())
        std::fprintf(stderr, "%s\n", qPrintable(event.describe()));
    m_oracle.before(*m_mainWindow);
    const EventOutcome outcome = perform(event, *m_mainWindow);
    settle();
    noteReach(outcome);
    return checkAfter(event, outcome);
}

void FuzzedProgram::noteReach(const EventOutcome& outcome)
{
    QStringList shown;
    for (const QuizWindow* window : shownQuizWindows(*m_mainWindow)) {
        shown.append(window->objectName());
        m_reach.testWindowsShown.insert(window->objectName());
    }
    for (const platform::Message& message : m_messages.messages)
        m_reach.messagesShown.insert(message.text);
    for (const QString& page : m_pages.urls)
        m_reach.pagesOpened.insert(page);
    m_reach.aboutBoxesAnswered += outcome.answeredAboutBox ? 1 : 0;
    m_reach.furthestBrainQuestion = qMax(m_reach.furthestBrainQuestion, modBrainTest::BrainQuestionIndex);
    m_reach.furthestEQStatement = qMax(m_reach.furthestEQStatement, modEmotionalQuotientTest::EQQuestionIndex);
    if (controlAt(QStringLiteral("clientArea/mdiClient/frmMFTestMain/fraResult/lblResult_0"), *m_mainWindow))
        ++m_reach.mfVerdicts;

    m_reach.states.append(
        QStringLiteral("%1 | picMain %2 | brain %3 %4 %5 | eq %6 %7 | mf %8 %9 | %10 messages, %11 pages")
            .arg(shown.join(QLatin1Char(',')))
            .arg(m_mainWindow->picMain->isVisible())
            .arg(modBrainTest::BrainQuestionIndex)
            .arg(modBrainTest::BrainRightCount)
            .arg(modBrainTest::BrainLeftCount)
            .arg(modEmotionalQuotientTest::EQQuestionIndex)
            .arg(modEmotionalQuotientTest::EQScore)
            .arg(modMaleFemaleTest::MFQuestionIndex)
            .arg(modMaleFemaleTest::MFScore)
            .arg(m_messages.messages.size())
            .arg(m_pages.urls.size()));
}

QString FuzzedProgram::checkAfter(const UserEvent& event, const EventOutcome& outcome)
{
    QStringList broken = m_startProblems;
    m_startProblems.clear();
    if (!outcome.problem.isEmpty())
        broken.append(outcome.problem);
    if (QWidget* modal = QApplication::activeModalWidget()) {
        broken.append(QStringLiteral("modal window: %1 left open").arg(modal->objectName()));
        modal->close();
    }
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();

    const bool running = m_mainWindow && m_mainWindow->isVisible();
    // Keys can reach a closing command too: File, E&xit by its mnemonics, say.
    const bool closed = outcome.closedMainWindow || m_closingCommandUsed;
    m_closingCommandUsed = false;
    if (closed) {
        if (running || !shownQuizWindows(*m_mainWindow).isEmpty())
            broken.append(QStringLiteral("closing: the main window's closing command left it open"));
        broken += m_invariants.broken(*m_mainWindow).filter(QStringLiteral("files:"));
        start();
    } else if (!running) {
        broken.append(QStringLiteral("ending: the program ended without a closing command of the main window"));
    } else {
        broken += m_invariants.broken(*m_mainWindow);
        broken += m_oracle.after(event, *m_mainWindow);
    }
    return broken.join(QStringLiteral("; "));
}

FuzzFailure replay(const QList<UserEvent>& events, const QString& userFolder, FuzzReach* reach)
{
    FuzzedProgram program(userFolder);
    FuzzFailure failure;
    for (qsizetype index = 0; index < events.size() && !failure.found(); ++index) {
        const QString broken = program.step(events[index]);
        if (!broken.isEmpty())
            failure = {index, broken};
    }
    if (reach)
        *reach = program.reach();
    return failure;
}

FuzzFailure explore(EventChooser& chooser, int eventCount, const QString& userFolder, QList<UserEvent>& log,
                    FuzzReach* reach)
{
    FuzzedProgram program(userFolder);
    FuzzFailure failure;
    for (int index = 0; index < eventCount && !failure.found(); ++index) {
        log.append(chooser.next(program.mainWindow()));
        const QString broken = program.step(log.last());
        if (!broken.isEmpty())
            failure = {index, broken};
    }
    if (reach)
        *reach = program.reach();
    return failure;
}

QList<UserEvent> reduce(QList<UserEvent> events, const FuzzFailure& failure, const QString& userFolder)
{
    events.resize(failure.eventIndex + 1);
    const auto failsTheSame = [&](const QList<UserEvent>& candidate) {
        const FuzzFailure again = replay(candidate, userFolder);
        return again.found() && again.invariant() == failure.invariant();
    };

    // Delta reduction: leave out ever smaller slices as long as the failure stays.
    qsizetype slices = 2;
    while (events.size() > 1) {
        const qsizetype sliceLength = (events.size() + slices - 1) / slices;
        bool shortened = false;
        for (qsizetype start = 0; start < events.size() && !shortened; start += sliceLength) {
            QList<UserEvent> candidate = events;
            candidate.remove(start, qMin(sliceLength, events.size() - start));
            if (failsTheSame(candidate)) {
                events = candidate;
                slices = qMax<qsizetype>(slices - 1, 2);
                shortened = true;
            }
        }
        if (!shortened) {
            if (slices >= events.size())
                break;
            slices = qMin(events.size(), slices * 2);
        }
    }
    return events;
}

#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// What assistive technology is told to read as it comes on screen: the names of the
// notifications shown, in order. (Without a screen reader Qt sends assistive technology nothing;
// it would tell it of each of these showings.)
class NotificationRecorder : public QObject {
public:
    QStringList said;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(object);
        if (shown && shown->role() == QAccessible::Notification)
            said.append(shown->text(QAccessible::Name));
        return false;
    }
};

// The name a screen reader gives the group of the option with the focus.
QString groupOfTheFocus()
{
    QWidget* group = QApplication::focusWidget()->parentWidget();
    return QAccessible::queryAccessibleInterface(group)->text(QAccessible::Name);
}

} // namespace

using namespace user;

// A screen reader reads what has the focus. What comes on screen elsewhere, while the user's
// focus stays on the answers (the next question, a verdict, a band), is told to it as a
// notification; the answers of a question are grouped under the question.
class TestAnnouncements : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void brainTestQuestionsAndVerdict_data();
    void brainTestQuestionsAndVerdict();
    void emotionalQuotientStatementsAndBand();
    void masculineFeminineQuestionsAndVerdict();

private:
    QWidget* launch(Quiz quiz);

    QStringList& notifications() { return m_notifications->said; }

    std::unique_ptr<NotificationRecorder> m_notifications;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestAnnouncements::init()
{
    m_notifications = std::make_unique<NotificationRecorder>();
    qApp->installEventFilter(m_notifications.get());
    m_messages = std::make_unique<MessageRecorder>();
    m_mainWindow = showMainWindow();
}

void TestAnnouncements::cleanup()
{
    m_mainWindow.reset();
    QCOMPARE(m_messages->texts(), QStringList{});
    m_messages.reset();
    m_notifications.reset();
}

// Opens the quiz and types a name.
QWidget* TestAnnouncements::launch(Quiz quiz)
{
    QWidget* window = QuizDriver(*m_mainWindow).open(quiz);
    QTest::keyClicks(control<QLineEdit>(window, "txtName"), QStringLiteral("anna"));
    return window;
}

void TestAnnouncements::brainTestQuestionsAndVerdict_data()
{
    QTest::addColumn<QString>("answers"); // the option chosen for each question, 1 or 2
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("explanation"); // the panel told with the verdict, on a tie none

    QTest::newRow("left brain") << QString(20, QLatin1Char('1')) << texts::text("brain.verdicts.leftDominant")
                                << "leftBrain";
    QTest::newRow("right brain") << QString(20, QLatin1Char('2')) << texts::text("brain.verdicts.rightDominant")
                                 << "rightBrain";
    // Nine right-brain answers of the first options, one more with "Faces".
    QTest::newRow("tie") << "12111111111111111111" << texts::text("brain.verdicts.bothEqual") << "";
}

namespace {

// What is told of an explanation panel: its title and its ten phrases.
QString explanationTold(const QString& panel)
{
    QStringList phrases;
    for (const QString& phrase : texts::list(QStringLiteral("brain.%1Phrases").arg(panel)))
        phrases << phrase.trimmed();
    return texts::text(QStringLiteral("brain.%1Panel").arg(panel)) + QStringLiteral(": ")
        + phrases.join(QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace

void TestAnnouncements::brainTestQuestionsAndVerdict()
{
    QFETCH(QString, answers);
    QFETCH(QString, verdict);
    QFETCH(QString, explanation);

    QWidget* entry = launch(Quiz::Brain);
    choose(control<QRadioButton>(entry, "optMale"));
    click(control<QPushButton>(entry, "cmdNext"));
    auto* display = control<QWidget>(m_mainWindow.get(), "frmBrainTestDisplay");
    QCOMPARE(QApplication::focusWidget(), control<QRadioButton>(display, "optAnswerOne"));
    QCOMPARE(groupOfTheFocus(), texts::text("brain.questions.0.text"));
    QCOMPARE(notifications(), QStringList{});

    for (int question = 1; question <= 20; ++question) {
        QVERIFY(chooseWithKeys({control<QRadioButton>(display, "optAnswerOne"),
                                control<QRadioButton>(display, "optAnswerTwo")},
                               answers[question - 1] == QLatin1Char('1') ? 0 : 1));
        press(Qt::Key_Return);
        if (question == 20)
            break;
        // The focus stays on the answers: the next question is told, with its own answers.
        QCOMPARE(notifications().size(), question);
        QVERIFY2(notifications().last().startsWith(modBrainTest::BrainQuestions[question] + QLatin1Char(' ')),
                 qPrintable(notifications().last()));
        QCOMPARE(groupOfTheFocus(), modBrainTest::BrainQuestions[question]);
        if (question == 1)
            QCOMPARE(notifications().last(),
                     QStringLiteral("2.  Do you remember people by their names or faces? Names, Faces"));
    }
    // The focus comes to the verdict, which the screen reader reads; the explanation in front is
    // told, phrase by phrase.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblAnswer"));
    QCOMPARE(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name), verdict);
    if (explanation.isEmpty()) {
        QCOMPARE(notifications().size(), 19);
        // On a tie the user chooses a panel, which is told.
        press(Qt::Key_Tab);
        press(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdRightBrainResponsible"));
        explanation = QStringLiteral("rightBrain");
    }
    QCOMPARE(notifications().size(), 20);
    QCOMPARE(notifications().last(), explanationTold(explanation));
}

void TestAnnouncements::emotionalQuotientStatementsAndBand()
{
    QWidget* window = launch(Quiz::EmotionalQuotient);
    click(control<QPushButton>(window, "cmdStartTest"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optAnswerChoice_0"));
    QCOMPARE(groupOfTheFocus(), QStringLiteral("Question 1 of 15. Setbacks don't affect me very badly."));

    // "Not Sure" fifteen times, 3 points each, and "Next Question" with its access key, which
    // leaves the focus on the answers: it follows the choice back to "Strongly Agree", which the
    // screen reader reads; every statement has the same five answers, so only the statement is
    // told.
    auto* notSure = control<QRadioButton>(window, "optAnswerChoice_2");
    for (int statement = 1; statement <= 15; ++statement) {
        for (int presses = 0; presses < 5 && QApplication::focusWidget() != notSure; ++presses)
            press(Qt::Key_Down);
        press(Qt::Key_Space);
        QVERIFY(notSure->isChecked());
        QTest::keyClick(m_mainWindow.get(), 'q', Qt::AltModifier);
        QTRY_COMPARE(notifications().size(), statement);
        if (statement == 15)
            break;
        const QString told = QStringLiteral("Question %1 of 15. %2")
                                 .arg(statement + 1)
                                 .arg(modEmotionalQuotientTest::EQStatements[statement]);
        QCOMPARE(notifications().last(), told);
        QCOMPARE(groupOfTheFocus(), told);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optAnswerChoice_0"));
        QVERIFY(control<QRadioButton>(window, "optAnswerChoice_0")->isChecked());
    }
    QVERIFY2(notifications().last().startsWith(texts::text(QStringLiteral("eq.bands.2.headline")) + QStringLiteral(". ")
                                               + texts::text(QStringLiteral("eq.bands.2.firstSentence"))),
             qPrintable(notifications().last()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBack"));
}

void TestAnnouncements::masculineFeminineQuestionsAndVerdict()
{
    QWidget* window = launch(Quiz::MasculineFeminine);
    QTest::keyClicks(control<QLineEdit>(window, "txtAge"), QStringLiteral("31"));
    click(control<QPushButton>(window, "cmdTest"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optOption1"));
    QCOMPARE(groupOfTheFocus(), texts::text("mf.questions.0.text"));

    // The first answer every time. "Next" has no access key: the user goes to it and presses it;
    // the focus stays there, and the next question is told with its answers.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdNext"));
    for (int question = 1; question <= 20; ++question) {
        press(Qt::Key_Space);
        if (question == 20)
            break;
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdNext"));
        const std::size_t slot(question);
        QCOMPARE(notifications().size(), question);
        QCOMPARE(notifications().last(),
                 modMaleFemaleTest::MFQuestions[slot] + QLatin1Char(' ') + modMaleFemaleTest::MFAnswerOne[slot]
                     + QStringLiteral(", ") + modMaleFemaleTest::MFAnswerTwo[slot]);
    }
    QCOMPARE(notifications().size(), 20);
    const QString percentages = texts::text(QStringLiteral("mf.percentageLine")).arg(40).arg(60);
    QVERIFY2(notifications().last().startsWith(percentages + QStringLiteral(". ")), qPrintable(notifications().last()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdMain"));
}

QTEST_MAIN(TestAnnouncements)
#include "tst_announcements.moc"

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
    QTest::addColumn<QString>("focusAfterTheVerdict");

    QTest::newRow("left brain") << QString(20, QLatin1Char('1'))
                                << "Your Left Brain is more Dominant Than Your Right Brain. "
                                   "The Left Brain is Responsible for"
                                << "Command1";
    QTest::newRow("right brain") << QString(20, QLatin1Char('2'))
                                 << "Your Right Brain is more Dominant Than Your Left Brain. "
                                    "The Right Brain is Responsible for"
                                 << "Command1";
    // Nine right-brain answers of the first options, one more with "Faces".
    QTest::newRow("tie") << "12111111111111111111" << texts::text("brain.verdicts.bothEqual")
                         << "cmdRightBrainResponsible";
}

void TestAnnouncements::brainTestQuestionsAndVerdict()
{
    QFETCH(QString, answers);
    QFETCH(QString, verdict);
    QFETCH(QString, focusAfterTheVerdict);

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
    QCOMPARE(notifications().size(), 20);
    QCOMPARE(notifications().last(), verdict);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfterTheVerdict);
}

void TestAnnouncements::emotionalQuotientStatementsAndBand()
{
    QWidget* window = launch(Quiz::EmotionalQuotient);
    click(control<QPushButton>(window, "cmdStartTest"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optAnswerChoice_0"));
    QCOMPARE(groupOfTheFocus(), QStringLiteral("Question 1 of 15. Setbacks don't affect me very badly."));

    // "Not Sure" fifteen times, 3 points each, and "Next Question" with its access key, which
    // leaves the focus on the answers: every statement has the same five, so only the statement
    // is told.
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
    }
    QVERIFY2(notifications().last().startsWith(QStringLiteral("Your EQ is slightly more than average. You understand "
                                                              "people's emotions very well")),
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

    // The first answer every time. "Next" has no access key: the user goes to it and presses it,
    // and the focus comes back to the answers, whose group is named by the next question.
    auto* next = control<QPushButton>(window, "cmdNext");
    for (int question = 1; question <= 20; ++question) {
        next->setFocus();
        press(Qt::Key_Space);
        if (question == 20)
            break;
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optOption1"));
        QCOMPARE(groupOfTheFocus(), modMaleFemaleTest::MFQuestions[std::size_t(question)]);
    }
    QCOMPARE(notifications().size(), 1);
    QVERIFY2(notifications().last().startsWith(QStringLiteral("Your thinking is 40% Masculine and 60% Feminine. ")),
             qPrintable(notifications().last()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdMain"));
}

QTEST_MAIN(TestAnnouncements)
#include "tst_announcements.moc"

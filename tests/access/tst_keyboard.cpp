#include "TestWindows.h"
#include "braintest/frmBrainTestDisplay.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

// Keys go through the window system to the control with the focus, as a user's do.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::activeWindow()->windowHandle(), Qt::Key(key), modifiers);
}

void type(const QString& text)
{
    for (QChar character : text)
        QTest::keyClick(QApplication::activeWindow()->windowHandle(), character.toLatin1());
}

// Presses Tab until the control has the focus; false when it is never reached.
bool tabTo(const QWidget* control)
{
    for (int presses = 0; presses < 40 && focused() != control; ++presses)
        press(Qt::Key_Tab);
    return focused() == control;
}

// Tabs into a group of options, selects the one reached with Space and moves with the arrow
// keys to the wanted one, which selects it; false when the group is never reached.
bool choose(const QList<QRadioButton*>& group, int wanted)
{
    for (int presses = 0; presses < 40 && !group.contains(focused()); ++presses)
        press(Qt::Key_Tab);
    press(Qt::Key_Space);
    for (int presses = 0; presses < group.size() && group.contains(focused()); ++presses) {
        const int current = int(group.indexOf(focused()));
        if (current == wanted)
            break;
        press(current < wanted ? Qt::Key_Down : Qt::Key_Up);
    }
    return focused() == group[wanted] && group[wanted]->isChecked();
}

// A control of one of the test windows.
template <typename Control>
Control* control(const frmMDI& mainWindow, const char* windowName, const char* controlName)
{
    return control<Control>(control(&mainWindow, windowName), controlName);
}

} // namespace

// Every test can be taken from start to finish with the keyboard alone.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void brainTest();
    void emotionalQuotientTest();
    void masculineFeminineTest();
    void arrowsChooseInEveryOptionGroup_data();
    void arrowsChooseInEveryOptionGroup();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();

private:
    void launch(int button);

    std::unique_ptr<frmMDI> m_mainWindow;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestKeyboard::initTestCase()
{
    registerTestWindows();
}

void TestKeyboard::init()
{
    m_messages = std::make_unique<MessageRecorder>();
    m_mainWindow = showMainWindow();
}

void TestKeyboard::cleanup()
{
    m_mainWindow.reset();
    QCOMPARE(m_messages->texts(), QStringList{});
    m_messages.reset();
}

void TestKeyboard::launch(int button)
{
    QVERIFY(tabTo(m_mainWindow->cmdSelectOption[button]));
    press(Qt::Key_Space);
}

void TestKeyboard::brainTest()
{
    launch(0);
    auto* name = control<QLineEdit>(*m_mainWindow, "frmBrainTestMain", "txtName");
    QCOMPARE(focused(), name);
    type(QStringLiteral("anna"));
    // With neither sex chosen, Tab reaches the first option and Space chooses it.
    QVERIFY(tabTo(control<QRadioButton>(*m_mainWindow, "frmBrainTestMain", "optMale")));
    press(Qt::Key_Space);
    press(Qt::Key_Return);

    const QList<QRadioButton*> answers = {control<QRadioButton>(*m_mainWindow, "frmBrainTestDisplay", "optAnswerOne"),
                                          control<QRadioButton>(*m_mainWindow, "frmBrainTestDisplay", "optAnswerTwo")};
    QVERIFY(answers[0] && answers[1]);
    for (int question = 1; question <= 20; ++question) {
        QVERIFY2(choose(answers, 1), qPrintable(QStringLiteral("question %1").arg(question)));
        press(Qt::Key_Return);
    }
    QCOMPARE(control<QLabel>(*m_mainWindow, "frmBrainTestDisplay", "lblAnswer")->text(),
             QStringLiteral("Your Right Brain is more Dominant Than Your Left Brain"));

    QVERIFY(tabTo(control<QPushButton>(*m_mainWindow, "frmBrainTestDisplay", "Command1")));
    press(Qt::Key_Space);
    QTRY_VERIFY(!m_mainWindow->loadedTestWindow(TestWindowId::BrainTestDisplay));
    QCOMPARE(name->text(), QStringLiteral("ANNA"));
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(0));
}

void TestKeyboard::emotionalQuotientTest()
{
    launch(2);
    type(QStringLiteral("Anna"));
    press(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdStartTest"));
    press(Qt::Key_Space);
    QList<QRadioButton*> choices;
    for (int index = 0; index < 5; ++index)
        choices << control<QRadioButton>(*m_mainWindow, "frmEQTestMain",
                                         qPrintable(QStringLiteral("optAnswerChoice_%1").arg(index)));
    for (int statement = 1; statement <= 15; ++statement) {
        QVERIFY(choose(choices, 2));
        QVERIFY(tabTo(control<QPushButton>(*m_mainWindow, "frmEQTestMain", "cmdNext")));
        press(Qt::Key_Space);
    }
    QCOMPARE(control<QLabel>(*m_mainWindow, "frmEQTestMain", "lblResult_0")->text(),
             QStringLiteral("Your EQ is slightly more than average"));
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdBack"));
    press(Qt::Key_Space);
    QCOMPARE(focused()->objectName(), QStringLiteral("txtName"));
    QCOMPARE(modEmotionalQuotientTest::EQScore, qint16(0));
}

void TestKeyboard::masculineFeminineTest()
{
    launch(1);
    type(QStringLiteral("Anna"));
    press(Qt::Key_Tab);
    type(QStringLiteral("31"));
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    QCOMPARE(control<QComboBox>(*m_mainWindow, "frmMFTestMain", "cboSex")->currentText(), QStringLiteral("Female"));
    press(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdTest"));
    press(Qt::Key_Space);

    auto* next = control<QPushButton>(*m_mainWindow, "frmMFTestMain", "cmdNext");
    for (int question = 1; question <= 20; ++question) {
        QVERIFY(tabTo(next));
        press(Qt::Key_Space);
    }
    QCOMPARE(control<QLabel>(*m_mainWindow, "frmMFTestMain", "lblResult_0")->text(),
             QStringLiteral("Your thinking is 40% Masculine and 60% Feminine"));
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdMain"));
    press(Qt::Key_Space);
    QCOMPARE(focused()->objectName(), QStringLiteral("txtName"));
    QCOMPARE(modMaleFemaleTest::MFScore, qint16(8));
}

Q_DECLARE_METATYPE(TestWindowId)

void TestKeyboard::arrowsChooseInEveryOptionGroup_data()
{
    QTest::addColumn<TestWindowId>("window");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("sex of the Brain Test") << TestWindowId::BrainTestMain << "optMale"
                                           << "optFemale";
    QTest::newRow("Brain Test answers") << TestWindowId::BrainTestDisplay << "optAnswerOne"
                                        << "optAnswerTwo";
    QTest::newRow("EQ scale") << TestWindowId::EQTestMain << "optAnswerChoice_0"
                              << "optAnswerChoice_1";
    QTest::newRow("MF answers") << TestWindowId::MFTestMain << "optOption1"
                                << "optOption2";
}

// As on Windows, an arrow key in a group of options moves to the next option and selects it, also
// when none was selected yet.
void TestKeyboard::arrowsChooseInEveryOptionGroup()
{
    QFETCH(TestWindowId, window);
    QFETCH(QString, first);
    QFETCH(QString, second);
    m_mainWindow->OpenTest(window);
    TestWindow* test = m_mainWindow->loadedTestWindow(window);
    auto* one = control<QRadioButton>(test, first);
    auto* two = control<QRadioButton>(test, second);
    // Each group as it is before a first answer: nothing chosen.
    for (QRadioButton* option : {one, two})
        option->setAutoExclusive(false), option->setChecked(false), option->setAutoExclusive(true);
    // The page of the options in front, as when a question is on screen.
    for (QWidget* page = one; page && !page->isVisible(); page = page->parentWidget())
        page->show();
    one->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), one);

    press(Qt::Key_Down);
    QCOMPARE(focused(), two);
    QVERIFY(two->isChecked());
    press(Qt::Key_Up);
    QCOMPARE(focused(), one);
    QVERIFY(one->isChecked());
    QVERIFY(!two->isChecked());
}

void TestKeyboard::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<TestWindowId>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("EQ Test's start button") << TestWindowId::EQTestMain << "cmdStartTest";
    QTest::newRow("MF Test's start button") << TestWindowId::MFTestMain << "cmdTest";
    QTest::newRow("Brain Test's Exit") << TestWindowId::BrainTestMain << "cmdExit";
}

void TestKeyboard::enterPressesTheFocusedButton()
{
    QFETCH(TestWindowId, window);
    QFETCH(QString, button);
    m_mainWindow->OpenTest(window);
    auto* pressed = control<QPushButton>(m_mainWindow->loadedTestWindow(window), button);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    pressed->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(clicks.size(), 1);
    m_messages->messages.clear();
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"

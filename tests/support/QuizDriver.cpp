#include "support/QuizDriver.h"

#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace user {

QWidget* focused()
{
    return QApplication::focusWidget();
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

void choose(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

void press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* window = QApplication::activeWindow();
    if (!window)
        qFatal("no window is active to press %d", key);
    QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers);
}

void type(const QString& text)
{
    for (QChar character : text)
        QTest::keyClick(QApplication::activeWindow()->windowHandle(), character.toLatin1());
}

bool tabTo(const QWidget* control)
{
    for (int presses = 0; presses < 40 && focused() != control; ++presses)
        press(Qt::Key_Tab);
    return focused() == control;
}

bool chooseWithKeys(const QList<QRadioButton*>& group, int wanted)
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

} // namespace user

namespace {

// The launcher button of each quiz, by its index.
int buttonOf(Quiz quiz)
{
    switch (quiz) {
    case Quiz::Brain: return 0;
    case Quiz::MasculineFeminine: return 1;
    case Quiz::EmotionalQuotient: return 2;
    }
    return 0;
}

const char* const BrainEntry = "frmBrainTestMain";
const char* const BrainQuestions = "frmBrainTestDisplay";
const char* const EQWindow = "frmEQTestMain";
const char* const MFWindow = "frmMFTestMain";

} // namespace

Quiz quizOf(Page page)
{
    switch (page) {
    case Page::EQEntry:
    case Page::EQStatement:
    case Page::EQBand: return Quiz::EmotionalQuotient;
    case Page::MFDetails:
    case Page::MFQuestion:
    case Page::MFVerdict: return Quiz::MasculineFeminine;
    default: return Quiz::Brain;
    }
}

QuizDriver::QuizDriver(frmMDI& mainWindow, By by)
    : m_mainWindow(mainWindow)
    , m_by(by)
{
}

QuizWindow* QuizDriver::open(Quiz quiz)
{
    press(m_mainWindow.cmdSelectOption.at(std::size_t(buttonOf(quiz))));
    switch (quiz) {
    case Quiz::Brain: return window(QString::fromLatin1(BrainEntry));
    case Quiz::EmotionalQuotient: return window(QString::fromLatin1(EQWindow));
    case Quiz::MasculineFeminine: return window(QString::fromLatin1(MFWindow));
    }
    return nullptr;
}

QuizWindow* QuizDriver::window(const QString& name) const
{
    QuizWindow* loaded = m_mainWindow.loadedQuizWindow(name);
    if (!loaded)
        qFatal("the window %s is not loaded", qPrintable(name));
    return loaded;
}

void QuizDriver::giveText(QWidget* box, const QString& text)
{
    if (m_by == By::Mouse) {
        QTest::keyClicks(box, text);
        return;
    }
    if (!user::tabTo(box))
        qFatal("Tab never reaches %s", qPrintable(box->objectName()));
    user::type(text);
}

void QuizDriver::press(QWidget* button)
{
    if (m_by == By::Mouse) {
        user::click(button);
        return;
    }
    if (!user::tabTo(button))
        qFatal("Tab never reaches %s", qPrintable(button->objectName()));
    user::press(Qt::Key_Space);
}

void QuizDriver::pick(const QList<QRadioButton*>& group, int wanted)
{
    if (m_by == By::Mouse)
        user::choose(group[wanted]);
    else
        user::chooseWithKeys(group, wanted);
    if (!group[wanted]->isChecked())
        qFatal("choosing %s does not select it", qPrintable(group[wanted]->objectName()));
}

QList<QRadioButton*> QuizDriver::options(const QString& windowName, const QStringList& names) const
{
    QList<QRadioButton*> group;
    for (const QString& name : names)
        group.append(control<QRadioButton>(window(windowName), name));
    return group;
}

void QuizDriver::startBrain(const QString& name)
{
    QuizWindow* entry = window(QString::fromLatin1(BrainEntry));
    giveText(control(entry, "txtName"), name);
    pick(options(QString::fromLatin1(BrainEntry), {QStringLiteral("optMale"), QStringLiteral("optFemale")}), 0);
    press(control(entry, "cmdNext"));
}

void QuizDriver::startEQ(const QString& name)
{
    QuizWindow* quiz = window(QString::fromLatin1(EQWindow));
    giveText(control(quiz, "txtName"), name);
    press(control(quiz, "cmdStartTest"));
}

void QuizDriver::startMF(const QString& name, const QString& age, int sexesDown)
{
    QuizWindow* quiz = window(QString::fromLatin1(MFWindow));
    giveText(control(quiz, "txtName"), name);
    giveText(control(quiz, "txtAge"), age);
    auto* sex = control<QComboBox>(quiz, "cboSex");
    if (m_by == By::Keys && !user::tabTo(sex))
        qFatal("Tab never reaches the sex list");
    for (int down = 0; down < sexesDown; ++down) {
        if (m_by == By::Keys)
            user::press(Qt::Key_Down);
        else
            sex->setCurrentIndex(sex->currentIndex() + 1);
    }
    press(control(quiz, "cmdTest"));
}

void QuizDriver::answer(Quiz quiz, const QString& answers)
{
    QString windowName;
    QStringList names;
    switch (quiz) {
    case Quiz::Brain:
        windowName = QString::fromLatin1(BrainQuestions);
        names = {QStringLiteral("optAnswerOne"), QStringLiteral("optAnswerTwo")};
        break;
    case Quiz::EmotionalQuotient:
        windowName = QString::fromLatin1(EQWindow);
        for (int index = 0; index < 5; ++index)
            names.append(QStringLiteral("optAnswerChoice_%1").arg(index));
        break;
    case Quiz::MasculineFeminine:
        windowName = QString::fromLatin1(MFWindow);
        names = {QStringLiteral("optOption1"), QStringLiteral("optOption2")};
        break;
    }
    const int first = quiz == Quiz::EmotionalQuotient ? '0' : '1';
    for (QChar answer : answers) {
        pick(options(windowName, names), answer.unicode() - first);
        press(control(window(windowName), "cmdNext"));
    }
}

void QuizDriver::reach(Page page)
{
    switch (page) {
    case Page::Launcher: return;
    case Page::BrainEntry: open(Quiz::Brain); return;
    case Page::BrainQuestion:
        reach(Page::BrainEntry);
        startBrain();
        return;
    case Page::BrainVerdict:
        reach(Page::BrainQuestion);
        answer(Quiz::Brain, QString(20, QLatin1Char('1')));
        return;
    case Page::EQEntry: open(Quiz::EmotionalQuotient); return;
    case Page::EQStatement:
        reach(Page::EQEntry);
        startEQ();
        return;
    case Page::EQBand:
        reach(Page::EQStatement);
        answer(Quiz::EmotionalQuotient, QString(15, QLatin1Char('0')));
        return;
    case Page::MFDetails: open(Quiz::MasculineFeminine); return;
    case Page::MFQuestion:
        reach(Page::MFDetails);
        startMF();
        return;
    case Page::MFVerdict:
        reach(Page::MFQuestion);
        answer(Quiz::MasculineFeminine, QString(20, QLatin1Char('1')));
        return;
    }
}

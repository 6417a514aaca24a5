#include "mftest/frmMFTestMain.h"

#include "links/BrandStrip.h"
#include "mftest/modMaleFemaleTest.h"
#include "platform/MessageBox.h"
#include "widgets/Announcer.h"
#include "widgets/CommandButton.h"
#include "widgets/Controls.h"
#include "widgets/KeyPressTextBox.h"
#include "widgets/Keyboard.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"
#include "widgets/OptionGroup.h"
#include "widgets/Panels.h"
#include "widgets/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace controls;

namespace {

// "nuFile" is this window's name for its File menu, as the program has always called it.
const MenuDesign Menus = {"nuFile",       "&Check for Software Update", "mnuFileSep1", "mnuFileSep2",
                          "mnuMakeMoney", "Make Money &Online"};

const QColor HighlightText(255, 232, 150);

// The client area, from top to bottom: the forum banner, the pages, the advertising strip.
constexpr int ClientWidth = 10800;
constexpr int ClientHeight = 7200;
constexpr int BannerHeight = 375;
constexpr int StripHeight = 795;
constexpr int PagesHeight = ClientHeight - BannerHeight - StripHeight;

// Text runs across the pages with this margin on either side.
constexpr int TextLeft = 450;
constexpr int TextWidth = ClientWidth - 2 * TextLeft;

// The details are asked in rows of a caption and its entry box, centred on the page.
constexpr int RowCaptionLeft = ClientWidth / 2 - 3300;
constexpr int RowCaptionWidth = 1800;
constexpr int EntryLeft = ClientWidth / 2 - 1350;
constexpr int EntryWidth = 3600;
constexpr int RowHeight = 360;
constexpr int FirstRowTop = 1650;
constexpr int RowSpacing = 600;

// Every page has its one button at the same height.
constexpr int ButtonTop = 4500;
constexpr int ButtonHeight = 600;

const char Introduction[] =
    "Zelt Masculine Feminine Test helps understand the masculinity and feminity of a person's brain patterns. "
    "There are no right or wrong answers to this test. Take this test as a source of entertainment only.";
const char EntertainmentNote[] = "PS: This test should be taken as a source of entertainment only.";
// "how your brain things" is the program's own wording, kept as users know it.
const char ResultIntroduction[] =
    "After having taken this test, you will understand how your brain things. Here are the results of your test:";

QRect pageButton(int width)
{
    return look::px((ClientWidth - width) / 2, ButtonTop, width, ButtonHeight);
}

void showCriticalMessage(QWidget* parent, const char* text)
{
    platform::showMessage(parent, {QString::fromLatin1(text), platform::MessageIcon::Critical});
}

} // namespace

frmMFTestMain::frmMFTestMain()
    : QuizWindow("frmMFTestMain", QStringLiteral("Zelt Masculine Feminine Test"), Menus,
                 QSize(look::px(ClientWidth), look::px(ClientHeight)))
    , Label61(newForumBanner(clientArea()))
    , pages(new QWidget(clientArea()))
    , fraFullBrand(new BrandStrip("fraFullBrand", clientArea()))
{
    look::setBackground(clientArea(), WindowBlue);
    Label61->setGeometry(look::px(0, 0, ClientWidth, BannerHeight));
    pages->setGeometry(look::px(0, BannerHeight, ClientWidth, PagesHeight));
    fraFullBrand->setGeometry(look::px(0, ClientHeight - StripHeight, ClientWidth, StripHeight));

    buildDetailsPage();
    buildQuestionPage();
    buildResultPage();
    announcer = new Announcer(clientArea());
    connect(menus.mnuExit, &QAction::triggered, this, &QWidget::close);

    // A screen reader does not find the chosen sex in a closed list by itself: the list's
    // description carries it, which a screen reader reads with the list, and a new choice is told.
    connect(cboSex, &QComboBox::currentTextChanged, this, [this](const QString& sex) {
        cboSex->setAccessibleDescription(sex);
        if (cboSex->hasFocus())
            announcer->announce(sex);
    });
    cboSex->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
    cboSex->setCurrentIndex(0);
    // No default or cancel button: Enter presses the button or link that has the focus.
    keyboard::install(this,
                      {{txtName, txtAge, cboSex, cmdTest, optOption1, optOption2, cmdNext, cmdMain, Label61,
                        fraFullBrand->lblFullBrand}});
    bringToFront(fraDetails);
}

void frmMFTestMain::buildDetailsPage()
{
    fraDetails = new QWidget(pages);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setGeometry(pages->rect());

    const QFont rowFont = look::verdana(9, true);
    const std::array<const char*, 3> rowCaptions = {"Enter Name", "Enter Age", "Select Gender"};
    for (std::size_t row = 0; row < rowCaptions.size(); ++row) {
        const int top = FirstRowTop + int(row) * RowSpacing;
        lblLabel[row] = newLabel(QStringLiteral("lblLabel_%1").arg(row), QString::fromLatin1(rowCaptions[row]),
                                 fraDetails, look::px(RowCaptionLeft, top, RowCaptionWidth, RowHeight), rowFont);
        lblLabel[row]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    lblLabel[3] = newLabel(QStringLiteral("lblLabel_3"), QString::fromLatin1(EntertainmentNote), fraDetails,
                           look::px(TextLeft, 3600, TextWidth, 450), look::verdana(8.25), HighlightText);
    lblLabel[3]->setAlignment(Qt::AlignCenter);
    lblLabel[4] = newLabel(QStringLiteral("lblLabel_4"), QString::fromLatin1(Introduction), fraDetails,
                           look::px(TextLeft, 240, TextWidth, 1050), look::verdana(9, true));
    lblLabel[4]->setAlignment(Qt::AlignCenter);

    const QFont entryFont = look::verdana(9);
    txtName = new TextBox(QStringLiteral("txtName"), fraDetails);
    txtAge = new KeyPressTextBox(QStringLiteral("txtAge"), fraDetails,
                                 [this](int& KeyAscii) { txtAge_KeyPress(KeyAscii); });
    cboSex = new QComboBox(fraDetails);
    cboSex->setObjectName(QStringLiteral("cboSex"));
    cboSex->setEditable(false);
    const std::array<QWidget*, 3> entries = {txtName, txtAge, cboSex};
    for (std::size_t row = 0; row < entries.size(); ++row) {
        entries[row]->setGeometry(look::px(EntryLeft, FirstRowTop + int(row) * RowSpacing, EntryWidth, RowHeight));
        entries[row]->setFont(entryFont);
        // A screen reader names each entry after its caption.
        lblLabel[row]->setBuddy(entries[row]);
    }

    cmdTest = newButton("cmdTest", "&Take The Masculine Feminine Test", fraDetails, pageButton(4800));
    connect(cmdTest, &QPushButton::clicked, this, &frmMFTestMain::cmdTest_Click);
}

void frmMFTestMain::buildQuestionPage()
{
    fraQuestion = new QWidget(pages);
    fraQuestion->setObjectName(QStringLiteral("fraQuestion"));
    fraQuestion->setGeometry(pages->rect());

    lblQuestioNo = newLabel(QStringLiteral("lblQuestioNo"), QString(), fraQuestion,
                            look::px(TextLeft, 300, TextWidth, 375), look::verdana(10, true), HighlightText);
    lblQuestion = newLabel(QStringLiteral("lblQuestion"), QString(), fraQuestion,
                           look::px(TextLeft, 900, TextWidth, 900), look::verdana(11, true));
    lblQuestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answers = new OptionGroup(look::px(1200, 2100, ClientWidth - 2400, 1020), fraQuestion);
    optOption1 = newOption(QStringLiteral("optOption1"), QString(), answers, look::px(0, 0, ClientWidth - 2400, 420),
                           look::verdana(10, true), White);
    optOption2 = newOption(QStringLiteral("optOption2"), QString(), answers, look::px(0, 600, ClientWidth - 2400, 420),
                           look::verdana(10, true), White);
    optOption1->setChecked(true);
    cmdNext = newButton("cmdNext", "Next", fraQuestion, pageButton(2400));
    connect(cmdNext, &QPushButton::clicked, this, &frmMFTestMain::cmdNext_Click);
}

void frmMFTestMain::buildResultPage()
{
    fraResult = new QWidget(pages);
    fraResult->setObjectName(QStringLiteral("fraResult"));
    fraResult->setGeometry(pages->rect());

    lblResult[3] = newLabel(QStringLiteral("lblResult_3"), QString::fromLatin1(ResultIntroduction), fraResult,
                            look::px(TextLeft, 240, TextWidth, 750), look::verdana(9, true));
    lblResult[0] = newLabel(QStringLiteral("lblResult_0"), QString(), fraResult,
                            look::px(TextLeft, 1140, TextWidth, 450), look::verdana(11, true));
    lblResult[1] = newLabel(QStringLiteral("lblResult_1"), QString(), fraResult,
                            look::px(TextLeft, 1740, TextWidth, 525), look::verdana(12, true), HighlightText);
    lblResult[2] = newLabel(QStringLiteral("lblResult_2"), QString(), fraResult,
                            look::px(TextLeft, 2400, TextWidth, 1800), look::verdana(9.75));
    lblResult[0]->setAlignment(Qt::AlignCenter);
    lblResult[1]->setAlignment(Qt::AlignCenter);
    lblResult[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdMain = newButton("cmdMain", "Back To &Main", fraResult, pageButton(3000));
    connect(cmdMain, &QPushButton::clicked, this, &frmMFTestMain::cmdMain_Click);
}

void frmMFTestMain::ShowMFResult(const qint16& score)
{
    using namespace modMaleFemaleTest;
    MFPercent = percentOfScore(score);
    const Verdict& verdict = verdictOf(MFPercent);
    lblResult[0]->setText(percentageLine(MFPercent));
    lblResult[1]->setText(QString::fromLatin1(verdict.headline));
    lblResult[2]->setText(QString::fromLatin1(verdict.paragraph));
}

void frmMFTestMain::cmdTest_Click()
{
    const QString name = withoutOuterSpaces(txtName->text());
    if (name.isEmpty()) {
        showCriticalMessage(this, "Please enter name");
        txtName->setFocus();
        return;
    }
    const QString age = withoutOuterSpaces(txtAge->text());
    if (age.isEmpty()) {
        showCriticalMessage(this, "Please enter age");
        txtAge->setFocus();
        return;
    }
    modMaleFemaleTest::startMFRun(name, age, cboSex->currentText());
    showQuestion();
    // The questions' page takes the place of the details: the focus goes to the answers.
    askQuestion(keyboard::changePage(optOption1, [this] { bringToFront(fraQuestion); }));
}

void frmMFTestMain::cmdNext_Click()
{
    using namespace modMaleFemaleTest;
    LoadMFQuestions();
    scoreMFAnswer(MFQuestionIndex, optOption1->isChecked());
    const bool focusOnTheAnswers = answers->isAncestorOf(QApplication::focusWidget());
    optOption1->setChecked(true);
    const bool finished = moveToNextMFQuestion();
    if (finished) {
        ShowMFResult(MFScore);
        bringToFront(fraResult);
        cmdMain->setFocus();
        announcer->announce(lblResult[0]->text() + QStringLiteral(". ") + lblResult[1]->text() + QStringLiteral(". ")
                            + lblResult[2]->text());
    }
    showQuestion();
    if (finished)
        return;
    askQuestion(false);
    // Every question starts on its first answer; where the focus is on the answers, it follows the
    // choice there, and the screen reader reads the choice anew after the question.
    if (focusOnTheAnswers)
        optOption1->setFocus(Qt::OtherFocusReason);
}

void frmMFTestMain::cmdMain_Click()
{
    txtName->clear();
    txtAge->clear();
    cboSex->setCurrentIndex(0);
    bringToFront(fraDetails);
    txtName->setFocus();
}

void frmMFTestMain::txtAge_KeyPress(int& KeyAscii)
{
    using namespace keycode;
    if (KeyAscii == Backspace || KeyAscii == Enter || (KeyAscii >= '0' && KeyAscii <= '9'))
        return;
    showCriticalMessage(this, "Age must be number");
    KeyAscii = 0;
    txtAge->setFocus();
}

void frmMFTestMain::showQuestion()
{
    using namespace modMaleFemaleTest;
    const auto slot = std::size_t(MFQuestionIndex);
    lblQuestioNo->setText(QuestionCounter(MFQuestionIndex));
    lblQuestion->setText(MFQuestions.at(slot));
    optOption1->setText(MFAnswerOne.at(slot));
    optOption2->setText(MFAnswerTwo.at(slot));
}

void frmMFTestMain::askQuestion(bool focusCameHere)
{
    answers->askQuestion(lblQuestion->text(), focusCameHere);
}

void frmMFTestMain::bringToFront(QWidget* page)
{
    panels::bringToFront(page, {fraDetails, fraQuestion, fraResult});
}

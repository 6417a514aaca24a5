#include "braintest/frmBrainTestDisplay.h"

#include "braintest/BrainLook.h"
#include "braintest/modBrainTest.h"
#include "links/BrandStrip.h"
#include "links/modHelp.h"
#include "platform/MessageBox.h"
#include "widgets/Announcer.h"
#include "widgets/CommandButton.h"
#include "widgets/Controls.h"
#include "widgets/Keyboard.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"
#include "widgets/OptionGroup.h"
#include "widgets/Panels.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QRadioButton>

using namespace brainlook;
using namespace controls;
using namespace modBrainTest;

namespace {

const MenuDesign Menus = {"mnuFile",     "&Check for Software Update", "mnuFileSep1",
                          "mnuFileSep2", "mnuMakeMoneyOnline",         "Make Money &Online"};

const char ShowMyAbility[] = "Show My Ability";
const char NextCaption[] = "&Next";
const QColor ResultStrip(32, 72, 132);

constexpr int ClientWidth = 10800;
constexpr int BannerHeight = 450;
constexpr int Margin = 240;

// The question panel and the result panel share this rectangle.
constexpr int PanelTop = BannerHeight + 120;
constexpr int PanelWidth = ClientWidth - 2 * Margin;
constexpr int PanelHeight = 4815;

// The two explanation panels share this rectangle inside the result panel.
constexpr int ExplanationTop = 720;
constexpr int ExplanationWidth = PanelWidth - 2 * Margin;
constexpr int ExplanationHeight = 3120;
constexpr int PhraseTop = 345;
constexpr int PhraseHeight = 270;

constexpr int StripTop = PanelTop + PanelHeight + 120;
constexpr int StripHeight = 855;
constexpr int StripButtonWidth = 1200;
constexpr int ClientHeight = StripTop + StripHeight + 120;

const std::array<const char*, 10> RightBrainPhrases = {
    "Understanding of the whole picture",
    "Interest in creative arts, craft, music etc",
    "Better intuitive skills",
    "Better emotional responses",
    "Very imaginative",
    "Understand symbols better",
    "Can understand the \"whole meaning\" of what is being said",
    "Spatial perception",
    "Lives in a dream world",
    "Ready to take risks",
};

const std::array<const char*, 10> LeftBrainPhrases = {
    "Good verbal and expressive skills",
    "Better analytical and logical thinking",
    "Following rules and deadlines",
    "Routine management",
    "Good with details",
    "Better words and language skills",
    "Practical approach",
    "Can comprehend what is being said ",
    "Pattern perception",
    "Lives in real world",
};
// The line of "Better words and language skills", which also opens the co-branding page.
constexpr std::size_t Label19Line = 5;

const std::array<QColor, 5> PhraseColours = {
    QColor(255, 255, 192), QColor(192, 255, 255), QColor(255, 255, 255), QColor(255, 208, 255), QColor(208, 255, 192),
};

QFrame* newPanel(const char* objectName, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    panel->setGeometry(look::px(Margin, PanelTop, PanelWidth, PanelHeight));
    look::setBackground(panel, WindowBlue);
    return panel;
}

QGroupBox* newExplanationPanel(const char* objectName, const char* caption, QWidget* parent)
{
    auto* panel = new QGroupBox(QString::fromLatin1(caption), parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setGeometry(look::px(Margin, ExplanationTop, ExplanationWidth, ExplanationHeight));
    panel->setFont(look::verdana(9, true));
    look::setBackground(panel, WindowBlue);
    look::setTextColour(panel, Green);
    return panel;
}

using Phrases = std::array<MouseLabel*, 10>;

// One phrase per line, centred, each line in a light colour of its own.
Phrases addPhrases(QGroupBox* panel, const std::array<const char*, 10>& texts)
{
    Phrases phrases;
    for (std::size_t line = 0; line < texts.size(); ++line) {
        auto* phrase = new MouseLabel(QString(), QString::fromLatin1(texts[line]), panel);
        phrase->setGeometry(
            look::px(Margin, PhraseTop + int(line) * PhraseHeight, ExplanationWidth - 2 * Margin, PhraseHeight));
        phrase->setFont(look::verdana(8.25, true));
        phrase->setAlignment(Qt::AlignCenter);
        look::setTextColour(phrase, PhraseColours[line % PhraseColours.size()]);
        phrases[line] = phrase;
    }
    return phrases;
}

} // namespace

frmBrainTestDisplay::frmBrainTestDisplay()
    : QuizWindow("frmBrainTestDisplay", QStringLiteral("Zelt Brain Test"), Menus,
                 QSize(look::px(ClientWidth), look::px(ClientHeight)))
    , Label61(newForumBanner(clientArea()))
    , Frame5(new BrandStrip("Frame5", clientArea()))
    , mnuFileBack(menus.addFileItem("mnuFileBack", QStringLiteral("&Back")))
{
    look::setBackground(clientArea(), WindowBlue);
    Label61->setGeometry(look::px(0, 0, ClientWidth, BannerHeight));
    Label61->setWordWrap(true);
    buildQuestionPanel();
    buildResultPanel();
    announcer = new Announcer(clientArea());
    panels::bringToFront(fraQuestion, {fraQuestion, fraResult});

    const int stripButtonTop = StripTop + (StripHeight - 495) / 2;
    const int exitLeft = ClientWidth - Margin - StripButtonWidth;
    const int backLeft = exitLeft - 120 - StripButtonWidth;
    Frame5->setGeometry(look::px(Margin, StripTop, backLeft - 2 * Margin, StripHeight));
    cmdBack = newButton("cmdBack", "&Back", clientArea(), look::px(backLeft, stripButtonTop, StripButtonWidth, 495));
    cmdExit = newButton("cmdExit", "&Exit", clientArea(), look::px(exitLeft, stripButtonTop, StripButtonWidth, 495));

    // "Show My Ability" is the forward button too: Esc, and Enter on the verdict, score again.
    keyboard::install(this,
                      {{optAnswerOne, optAnswerTwo, cmdPrevious, cmdNext, lblAnswer, cmdRightBrainResponsible,
                        cmdLeftBrainResponsible, Command1, cmdBack, cmdExit, Label61, Frame5->lblFullBrand},
                       cmdNext,
                       cmdNext});
    connect(cmdNext, &QPushButton::clicked, this, &frmBrainTestDisplay::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmBrainTestDisplay::cmdPrevious_Click);
    connect(cmdRightBrainResponsible, &QPushButton::clicked, this,
            &frmBrainTestDisplay::cmdRightBrainResponsible_Click);
    connect(cmdLeftBrainResponsible, &QPushButton::clicked, this, &frmBrainTestDisplay::cmdLeftBrainResponsible_Click);
    connect(Label19, &MouseLabel::clicked, this, modHelp::GoToCoBrand);
    for (QPushButton* back : {cmdBack, Command1})
        connect(back, &QPushButton::clicked, this, &frmBrainTestDisplay::cmdBack_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmBrainTestDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmBrainTestDisplay::cmdExit_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmBrainTestDisplay::cmdExit_Click);

    // A question window is loaded as a run starts, on the run's first question; the focus comes to
    // its answers as the window opens.
    showQuestion();
    answers->askQuestion(BrainQuestions[BrainQuestionIndex], true);
}

void frmBrainTestDisplay::buildQuestionPanel()
{
    fraQuestion = newPanel("fraQuestion", clientArea());
    const QFont heading = look::verdana(9.75, true);
    const int textWidth = PanelWidth - 2 * Margin;
    Label4 = newLabel("Label4", QStringLiteral("Question"), fraQuestion, look::px(Margin, 180, textWidth, 330), heading,
                      White);
    lblQuestion = newLabel("lblQuestion", QString(), fraQuestion, look::px(Margin, 540, textWidth, 960), heading,
                           Yellow);
    lblQuestion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 = newLabel("Label3", QStringLiteral("Your Answer"), fraQuestion, look::px(Margin, 1680, textWidth, 330),
                      heading, White);
    answers = new OptionGroup(look::px(2 * Margin, 2100, textWidth - Margin, 855), fraQuestion);
    optAnswerOne = newOption("optAnswerOne", QString(), answers, look::px(0, 0, textWidth - Margin, 375),
                             look::verdana(9, true), Green);
    optAnswerTwo = newOption("optAnswerTwo", QString(), answers, look::px(0, 480, textWidth - Margin, 375),
                             look::verdana(9, true), Green);

    constexpr int buttonWidth = 2100;
    constexpr int buttonTop = 3960;
    cmdPrevious = newButton("cmdPrevious", "&Previous", fraQuestion, look::px(Margin, buttonTop, buttonWidth, 495));
    cmdPrevious->setEnabled(false);
    cmdNext = newButton("cmdNext", NextCaption, fraQuestion,
                        look::px(PanelWidth - Margin - buttonWidth, buttonTop, buttonWidth, 495));
}

void frmBrainTestDisplay::buildResultPanel()
{
    fraResult = newPanel("fraResult", clientArea());
    // The verdict is where the focus goes as it appears: a place the keyboard reaches and a screen
    // reader reads.
    lblAnswer = new MouseLabel(QStringLiteral("lblAnswer"), QStringLiteral("Your Brain Result"), fraResult);
    lblAnswer->setGeometry(look::px(0, 0, PanelWidth, 600));
    lblAnswer->setFont(look::verdana(10, true));
    look::setTextColour(lblAnswer, Yellow);
    lblAnswer->setWordWrap(true);
    lblAnswer->setAlignment(Qt::AlignCenter);
    lblAnswer->setFocusPolicy(Qt::TabFocus);
    look::setBackground(lblAnswer, ResultStrip);

    fraRightBrainResponsible = newExplanationPanel("fraRightBrainResponsible", "The Right Brain is Responsible for",
                                                   fraResult);
    addPhrases(fraRightBrainResponsible, RightBrainPhrases);
    fraLeftBrainResponsible = newExplanationPanel("fraLeftBrainResponsible", "The Left Brain is Responsible for",
                                                  fraResult);
    Label19 = addPhrases(fraLeftBrainResponsible, LeftBrainPhrases)[Label19Line];
    // As designed, the left brain's panel lies over the right brain's until a verdict brings one
    // forward; on a tie the user switches with the two buttons below.
    showExplanation(fraLeftBrainResponsible);
    Label19->setObjectName(QStringLiteral("Label19"));

    constexpr int buttonTop = ExplanationTop + ExplanationHeight + 60;
    const int halfWidth = (ExplanationWidth - 120) / 2;
    cmdRightBrainResponsible = newButton("cmdRightBrainResponsible", "The Right Brain is Responsible for", fraResult,
                                         look::px(Margin, buttonTop, halfWidth, 420));
    cmdLeftBrainResponsible = newButton("cmdLeftBrainResponsible", "The Left Brain is Responsible for", fraResult,
                                        look::px(Margin + halfWidth + 120, buttonTop, halfWidth, 420));
    cmdRightBrainResponsible->hide();
    cmdLeftBrainResponsible->hide();
    Command1 = newButton("Command1", "&OK", fraResult, look::px(Margin, buttonTop + 480, ExplanationWidth, 420));
}

void frmBrainTestDisplay::showQuestion()
{
    lblQuestion->setText(BrainQuestions[BrainQuestionIndex]);
    optAnswerOne->setText(BrainAnswerCaptions[2 * BrainQuestionIndex]);
    optAnswerTwo->setText(BrainAnswerCaptions[2 * BrainQuestionIndex + 1]);
    clearOptions({optAnswerOne, optAnswerTwo});
    panels::bringToFront(fraQuestion, {fraQuestion, fraResult});
}

void frmBrainTestDisplay::turnToQuestion(const std::function<void()>& step)
{
    const bool focusCame = keyboard::changePage(optAnswerOne, [&] {
        step();
        showQuestion();
    });
    answers->askQuestion(BrainQuestions[BrainQuestionIndex], focusCame);
}

bool frmBrainTestDisplay::recordChosenAnswer()
{
    if (optAnswerOne->isChecked()) {
        RecordBrainAnswer(optAnswerOne->text());
        return true;
    }
    if (optAnswerTwo->isChecked()) {
        RecordBrainAnswer(optAnswerTwo->text());
        return true;
    }
    return false;
}

void frmBrainTestDisplay::cmdNext_Click()
{
    if (cmdNext->text() == QLatin1String(ShowMyAbility))
        showVerdict();
    else
        nextQuestion();
}

void frmBrainTestDisplay::nextQuestion()
{
    cmdPrevious->setEnabled(true);
    if (!recordChosenAnswer()) {
        if (BrainQuestionIndex == 0)
            cmdPrevious->setEnabled(false);
        showNoAnswerMessage();
        return;
    }
    turnToQuestion([this] {
        if (BrainQuestionIndex == BrainQuestionCount - 1)
            cmdNext->setText(QString::fromLatin1(ShowMyAbility));
    });
}

void frmBrainTestDisplay::showVerdict()
{
    if (!recordChosenAnswer()) {
        showNoAnswerMessage();
        return;
    }
    const BrainVerdict verdict = ScoreBrainTest();
    lblAnswer->setText(brainVerdictText(verdict));
    switch (verdict) {
    case BrainVerdict::RightDominant: showExplanation(fraRightBrainResponsible); break;
    case BrainVerdict::LeftDominant: showExplanation(fraLeftBrainResponsible); break;
    case BrainVerdict::BothEqual:
        cmdRightBrainResponsible->show();
        cmdLeftBrainResponsible->show();
        break;
    }
    const bool tie = verdict == BrainVerdict::BothEqual;
    const bool resultCame = fraResult->isHidden();
    const bool focusCame = keyboard::changePage(lblAnswer, [this] {
        panels::bringToFront(fraResult, {fraQuestion, fraResult});
    });
    // The focus on the verdict reads it, and its explanation is told; without the focus, the two
    // are told as they appear.
    if (!resultCame)
        return;
    QStringList told;
    if (!focusCame)
        told << lblAnswer->text() + QLatin1Char('.');
    if (!tie)
        told << explanationInFront();
    if (!told.isEmpty())
        announcer->announce(told.join(QLatin1Char(' ')));
}

QString frmBrainTestDisplay::explanationInFront() const
{
    const QGroupBox* panel = fraRightBrainResponsible->isVisible() ? fraRightBrainResponsible : fraLeftBrainResponsible;
    QStringList phrases;
    for (const QLabel* phrase : panel->findChildren<QLabel*>())
        phrases.append(phrase->text().trimmed());
    return panel->title() + QStringLiteral(": ") + phrases.join(QStringLiteral(", ")) + QLatin1Char('.');
}

void frmBrainTestDisplay::showNoAnswerMessage()
{
    platform::showMessage(this, {QStringLiteral("Please choose an answer"), platform::MessageIcon::Critical});
}

void frmBrainTestDisplay::cmdPrevious_Click()
{
    turnToQuestion([this] {
        stepBackBrainQuestion();
        if (BrainQuestionIndex == 0)
            cmdPrevious->setEnabled(false);
        cmdNext->setText(QString::fromLatin1(NextCaption));
    });
}

void frmBrainTestDisplay::cmdRightBrainResponsible_Click()
{
    tellExplanation(fraRightBrainResponsible);
}

void frmBrainTestDisplay::cmdLeftBrainResponsible_Click()
{
    tellExplanation(fraLeftBrainResponsible);
}

void frmBrainTestDisplay::tellExplanation(QGroupBox* panel)
{
    showExplanation(panel);
    announcer->announce(explanationInFront());
}

void frmBrainTestDisplay::showExplanation(QGroupBox* panel)
{
    panels::bringToFront(panel, {fraRightBrainResponsible, fraLeftBrainResponsible});
}

void frmBrainTestDisplay::cmdBack_Click()
{
    resetBrainRun();
    close();
    emit quizWindowWanted(QStringLiteral("frmBrainTestMain"));
}

void frmBrainTestDisplay::cmdExit_Click()
{
    close();
}

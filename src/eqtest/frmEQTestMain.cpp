#include "eqtest/frmEQTestMain.h"

#include "eqtest/modEmotionalQuotientTest.h"
#include "links/BrandStrip.h"
#include "platform/MessageBox.h"
#include "widgets/Announcer.h"
#include "widgets/CommandButton.h"
#include "widgets/Controls.h"
#include "widgets/Keyboard.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"
#include "widgets/OptionGroup.h"
#include "widgets/Panels.h"
#include "widgets/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace eq = modEmotionalQuotientTest;
using namespace controls;

namespace {

const MenuDesign EQMenus = {"mnuFile",      "Check for Software &Update", "mnuSep1", "mnuSep2",
                            "mnuMakeMoney", "&Make Money Online"};

constexpr int ClientWidth = 7590;
constexpr int ClientHeight = 4815;
constexpr int BannerHeight = 450;
constexpr int PanelTop = 600;
constexpr int PanelHeight = 3375;
constexpr int BrandStripHeight = 855;
// Left and right margin of the texts that run across a panel.
constexpr int TextMargin = 180;
constexpr int TextWidth = ClientWidth - 2 * TextMargin;

const QColor HeadlineText(255, 236, 140);

const char IntroductionText[] =
    "Emotional Intelligence or Emotional Quotient (EQ) is a term used to measure how much you understand your "
    "inner self and the tasks you can perform satisfactorily without getting stressed or depressed. Zelt "
    "Emotional Quotient Test attempts to give you a more clear picture about yourself so that you can work on "
    "the areas that are weak for you to lead a better life.";

QFrame* newPanel(const char* objectName, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    look::setBackground(panel, WindowBlue);
    panel->setGeometry(look::px(0, PanelTop, ClientWidth, PanelHeight));
    return panel;
}

// The window's texts are 8.25 point Verdana unless a text says otherwise.
QLabel* newText(const char* objectName, const QString& text, QWidget* panel, const QRect& geometry,
                Qt::Alignment alignment)
{
    QLabel* label = newLabel(QString::fromLatin1(objectName), text, panel, geometry, look::verdana(8.25));
    label->setAlignment(alignment);
    return label;
}

} // namespace

frmEQTestMain::frmEQTestMain()
    : QuizWindow("frmEQTestMain", QStringLiteral("Zelt Emotional Quotient Test"), EQMenus,
                 QSize(look::px(ClientWidth), look::px(ClientHeight)))
{
    look::setBackground(clientArea(), WindowBlue);

    Label61 = newForumBanner(clientArea());
    Label61->setWordWrap(true);
    Label61->setGeometry(look::px(0, 0, ClientWidth, BannerHeight));

    buildIntroduction();
    buildStatementPanel();
    buildResultPanel();
    announcer = new Announcer(clientArea());

    fraFullBrand = new BrandStrip("fraFullBrand", clientArea());
    fraFullBrand->setGeometry(look::px(0, ClientHeight - BrandStripHeight, ClientWidth, BrandStripHeight));
    // The panels reach a hair into the strip; the strip stays whole.
    fraFullBrand->raise();

    connect(menus.mnuExit, &QAction::triggered, this, &QWidget::close);
    // No default or cancel button: Enter presses the button or link that has the focus.
    keyboard::install(this,
                      {{txtName, cmdStartTest, optAnswerChoice[0], optAnswerChoice[1], optAnswerChoice[2],
                        optAnswerChoice[3], optAnswerChoice[4], cmdNext, cmdBack, Label61,
                        fraFullBrand->lblFullBrand}});

    bringToFront(fraMain);
}

void frmEQTestMain::buildIntroduction()
{
    fraMain = newPanel("fraMain", clientArea());

    // The name box comes first in the tab order, so it has the focus when the window opens.
    txtName = new TextBox(QStringLiteral("txtName"), fraMain);
    look::setEntryColours(txtName, Qt::white, Qt::black);
    txtName->setGeometry(look::px(2520, 1950, 3990, 330));

    cmdStartTest = newButton("cmdStartTest", "&Start the Emotional Quotient Test", fraMain,
                             look::px(1695, 2550, 4200, 480));
    connect(cmdStartTest, &QPushButton::clicked, this, &frmEQTestMain::cmdStartTest_Click);

    lblLabel[0] = newText("lblLabel_0", QString::fromLatin1(IntroductionText), fraMain,
                          look::px(TextMargin, 120, TextWidth, 1650), Qt::AlignLeft | Qt::AlignVCenter);
    lblLabel[1] = newText("lblLabel_1", QStringLiteral("Enter Name"), fraMain, look::px(1080, 1950, 1320, 330),
                          Qt::AlignRight | Qt::AlignVCenter);
    lblLabel[1]->setFont(look::verdana(8.25, true));
    // A screen reader names the box after its caption.
    lblLabel[1]->setBuddy(txtName);
}

void frmEQTestMain::buildStatementPanel()
{
    fraQuestion = newPanel("fraQuestion", clientArea());

    lblQuestionNo = newText("lblQuestionNo", QString(), fraQuestion, look::px(TextMargin, 90, TextWidth, 300),
                            Qt::AlignCenter);
    lblQuestionNo->setFont(look::verdana(8.25, true));
    look::setTextColour(lblQuestionNo, HeadlineText);

    lblQuestion = newText("lblQuestion", QString(), fraQuestion, look::px(TextMargin, 420, TextWidth, 600),
                          Qt::AlignCenter);
    lblQuestion->setFont(look::verdana(9, true));

    Label1 = newText("Label1", QStringLiteral("Select One of the following options."), fraQuestion,
                     look::px(TextMargin, 1080, TextWidth, 285), Qt::AlignCenter);

    choices = new OptionGroup(look::px(1200, 1410, 4290, 4 * 360 + 330), fraQuestion);
    for (qint16 index = 0; index < eq::ChoiceCount; ++index) {
        QRadioButton* choice = newOption(QStringLiteral("optAnswerChoice_%1").arg(index), eq::choiceCaption(index),
                                         choices, look::px(0, index * 360, 0, 330), look::verdana(8.25), White);
        // Sized to its caption, so that a click anywhere on the control chooses it.
        choice->resize(choice->sizeHint().width(), choice->height());
        optAnswerChoice[index] = choice;
    }
    optAnswerChoice[0]->setChecked(true);

    cmdNext = newButton("cmdNext", "Next &Question", fraQuestion, look::px(5490, 2700, 1800, 480));
    connect(cmdNext, &QPushButton::clicked, this, &frmEQTestMain::cmdNext_Click);
}

void frmEQTestMain::buildResultPanel()
{
    fraResult = newPanel("fraResult", clientArea());

    lblLabel[2] = newText("lblLabel_2", QString::fromLatin1(IntroductionText), fraResult,
                          look::px(TextMargin, 60, TextWidth, 1200), Qt::AlignLeft | Qt::AlignVCenter);

    lblResult[0] = newText("lblResult_0", QString(), fraResult, look::px(TextMargin, 1290, TextWidth, 300),
                           Qt::AlignCenter);
    lblResult[0]->setFont(look::verdana(9.75, true));
    look::setTextColour(lblResult[0], HeadlineText);

    lblResult[1] = newText("lblResult_1", QString(), fraResult, look::px(TextMargin, 1680, TextWidth, 1140),
                           Qt::AlignLeft | Qt::AlignTop);

    cmdBack = newButton("cmdBack", "&Back To Main", fraResult, look::px(2895, 2850, 1800, 420));
    connect(cmdBack, &QPushButton::clicked, this, &frmEQTestMain::cmdBack_Click);
}

void frmEQTestMain::bringToFront(QFrame* panel)
{
    panels::bringToFront(panel, {fraMain, fraQuestion, fraResult});
}

bool frmEQTestMain::IsNameEntered()
{
    if (!withoutOuterSpaces(txtName->text()).isEmpty())
        return true;
    platform::showMessage(this,
                          {QStringLiteral("Please Enter Your Name"), platform::MessageIcon::Critical,
                           platform::MessageButtons::Ok});
    txtName->setFocus();
    return false;
}

void frmEQTestMain::ShowCurrentStatement()
{
    eq::LoadEQStatements();
    if (eq::isRunComplete()) {
        ShowEQResult();
        bringToFront(fraResult);
        cmdBack->setFocus();
        announcer->announce(lblResult[0]->text() + QStringLiteral(". ") + lblResult[1]->text());
        return;
    }
    lblQuestionNo->setText(QStringLiteral("Question %1 of 15").arg(eq::EQQuestionIndex + 1));
    lblQuestion->setText(eq::EQStatements[eq::EQQuestionIndex]);
}

void frmEQTestMain::askStatement(bool focusCameHere)
{
    choices->askQuestion(lblQuestionNo->text() + QStringLiteral(". ") + lblQuestion->text(), focusCameHere,
                         OptionGroup::Captions::Unspoken);
}

void frmEQTestMain::ShowEQResult()
{
    const eq::EQBand& band = eq::bandOfTotal(eq::EQScore);
    lblResult[0]->setText(QString::fromLatin1(band.headline));
    lblResult[1]->setText(QString::fromLatin1(band.paragraph));
}

void frmEQTestMain::cmdStartTest_Click()
{
    if (!IsNameEntered())
        return;
    eq::resetRun();
    ShowCurrentStatement();
    // The statements' page takes the place of the name box: the focus goes to the answers.
    askStatement(keyboard::changePage(optAnswerChoice[0], [this] { bringToFront(fraQuestion); }));
}

void frmEQTestMain::cmdNext_Click()
{
    for (qint16 index = 0; index < eq::ChoiceCount; ++index) {
        if (optAnswerChoice[index]->isChecked())
            eq::scoreAnswer(index);
    }
    const bool focusOnTheAnswers = choices->isAncestorOf(QApplication::focusWidget());
    optAnswerChoice[0]->setChecked(true);
    ++eq::EQQuestionIndex;
    ShowCurrentStatement();
    if (eq::isRunComplete())
        return;
    askStatement(false);
    // Every statement starts on "Strongly Agree"; where the focus is on the answers, it follows the
    // choice there, and the screen reader reads the choice anew after the statement.
    if (focusOnTheAnswers)
        optAnswerChoice[0]->setFocus(Qt::OtherFocusReason);
}

void frmEQTestMain::cmdBack_Click()
{
    txtName->clear();
    eq::resetRun();
    bringToFront(fraMain);
    txtName->setFocus();
}

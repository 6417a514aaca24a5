#include "eqtest/frmEQTestMain.h"

#include "eqtest/modEmotionalQuotientTest.h"
#include "links/BrandStrip.h"
#include "links/CommandButton.h"
#include "links/Look.h"
#include "links/MouseLabel.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace eq = modEmotionalQuotientTest;

namespace {

const MenuDesign EQMenus = {"mnuFile", "Check for Software &Update", "mnuSep1", "mnuSep2", "mnuMakeMoney",
                            "&Make Money Online"};

constexpr int ClientWidth = 7590;
constexpr int ClientHeight = 4815;
constexpr int BannerHeight = 450;
constexpr int PanelTop = 600;
constexpr int PanelHeight = 3375;
constexpr int BrandStripHeight = 855;
// Left and right margin of the texts that run across a panel.
constexpr int TextMargin = 180;
constexpr int TextWidth = ClientWidth - 2 * TextMargin;

const QColor WindowBlue(48, 98, 165);
const QColor ButtonFace(255, 224, 192);
const QColor LightText(255, 255, 255);
const QColor HeadlineText(255, 236, 140);

const char IntroductionText[] =
    "Emotional Intelligence or Emotional Quotient (EQ) is a term used to measure how much you understand your "
    "inner self and the tasks you can perform satisfactorily without getting stressed or depressed. Zelt "
    "Emotional Quotient Test attempts to give you a more clear picture about yourself so that you can work on "
    "the areas that are weak for you to lead a better life.";

void placeInTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(look::px(left), look::px(top), look::px(width), look::px(height));
}

QFrame* newPanel(const char* objectName, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    look::setBackground(panel, WindowBlue);
    placeInTwips(panel, 0, PanelTop, ClientWidth, PanelHeight);
    return panel;
}

QLabel* newLabel(const QString& objectName, const QString& text, QWidget* panel, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    look::setTextColour(label, LightText);
    return label;
}

// No button of this window is a default button, so Enter in the name box starts nothing.
QPushButton* newButton(const char* objectName, const char* caption, QWidget* panel)
{
    auto* button = new CommandButton(QString::fromLatin1(objectName), QString::fromLatin1(caption), panel);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFont(look::verdana(8.25, true));
    look::setButtonColours(button, ButtonFace);
    return button;
}

// Entry faces stay white with dark text on the blue panels.
void keepWhiteFace(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

} // namespace

frmEQTestMain::frmEQTestMain()
    : TestWindow(TestWindowId::EQTestMain, "frmEQTestMain", QStringLiteral("Zelt Emotional Quotient Test"), EQMenus,
                 QSize(look::px(ClientWidth), look::px(ClientHeight)))
{
    look::setBackground(clientArea(), WindowBlue);

    Label61 = newForumBanner(clientArea());
    Label61->setWordWrap(true);
    placeInTwips(Label61, 0, 0, ClientWidth, BannerHeight);

    BuildIntroduction();
    BuildStatementPanel();
    BuildResultPanel();

    fraFullBrand = new BrandStrip("fraFullBrand", clientArea());
    placeInTwips(fraFullBrand, 0, ClientHeight - BrandStripHeight, ClientWidth, BrandStripHeight);
    // The panels reach a hair into the strip; the strip stays whole.
    fraFullBrand->raise();

    connect(menus.mnuExit, &QAction::triggered, this, &QWidget::close);

    BringToFront(fraMain);
    txtName->setFocus();
}

void frmEQTestMain::BuildIntroduction()
{
    fraMain = newPanel("fraMain", clientArea());

    // The name box comes first in the tab order, so it has the focus when the window opens.
    txtName = new QLineEdit(fraMain);
    txtName->setObjectName(QStringLiteral("txtName"));
    keepWhiteFace(txtName);
    placeInTwips(txtName, 2520, 1950, 3990, 330);

    cmdStartTest = newButton("cmdStartTest", "&Start the Emotional Quotient Test", fraMain);
    placeInTwips(cmdStartTest, 1695, 2550, 4200, 480);
    connect(cmdStartTest, &QPushButton::clicked, this, &frmEQTestMain::cmdStartTest_Click);

    lblLabel[0] = newLabel(QStringLiteral("lblLabel_0"), QString::fromLatin1(IntroductionText), fraMain,
                           Qt::AlignLeft | Qt::AlignVCenter);
    placeInTwips(lblLabel[0], TextMargin, 120, TextWidth, 1650);

    lblLabel[1] = newLabel(QStringLiteral("lblLabel_1"), QStringLiteral("Enter Name"), fraMain,
                           Qt::AlignRight | Qt::AlignVCenter);
    lblLabel[1]->setFont(look::verdana(8.25, true));
    placeInTwips(lblLabel[1], 1080, 1950, 1320, 330);
}

void frmEQTestMain::BuildStatementPanel()
{
    fraQuestion = newPanel("fraQuestion", clientArea());

    lblQuestionNo = newLabel(QStringLiteral("lblQuestionNo"), QString(), fraQuestion, Qt::AlignCenter);
    lblQuestionNo->setFont(look::verdana(8.25, true));
    look::setTextColour(lblQuestionNo, HeadlineText);
    placeInTwips(lblQuestionNo, TextMargin, 90, TextWidth, 300);

    lblQuestion = newLabel(QStringLiteral("lblQuestion"), QString(), fraQuestion, Qt::AlignCenter);
    lblQuestion->setFont(look::verdana(9, true));
    placeInTwips(lblQuestion, TextMargin, 420, TextWidth, 600);

    Label1 = newLabel(QStringLiteral("Label1"), QStringLiteral("Select One of the following options."),
                      fraQuestion, Qt::AlignCenter);
    placeInTwips(Label1, TextMargin, 1080, TextWidth, 285);

    for (qint16 index = 0; index < eq::ChoiceCount; ++index) {
        auto* choice = new QRadioButton(eq::ChoiceCaption(index), fraQuestion);
        choice->setObjectName(QStringLiteral("optAnswerChoice_%1").arg(index));
        look::setTextColour(choice, LightText);
        keepWhiteFace(choice);
        // Sized to its caption, so that a click anywhere on the control chooses it.
        placeInTwips(choice, 1200, 1410 + index * 360, 0, 330);
        choice->resize(choice->sizeHint().width(), choice->height());
        optAnswerChoice[index] = choice;
    }
    optAnswerChoice[0]->setChecked(true);

    cmdNext = newButton("cmdNext", "Next &Question", fraQuestion);
    placeInTwips(cmdNext, 5490, 2700, 1800, 480);
    connect(cmdNext, &QPushButton::clicked, this, &frmEQTestMain::cmdNext_Click);
}

void frmEQTestMain::BuildResultPanel()
{
    fraResult = newPanel("fraResult", clientArea());

    lblLabel[2] = newLabel(QStringLiteral("lblLabel_2"), QString::fromLatin1(IntroductionText), fraResult,
                           Qt::AlignLeft | Qt::AlignVCenter);
    placeInTwips(lblLabel[2], TextMargin, 60, TextWidth, 1200);

    lblResult[0] = newLabel(QStringLiteral("lblResult_0"), QString(), fraResult, Qt::AlignCenter);
    lblResult[0]->setFont(look::verdana(9.75, true));
    look::setTextColour(lblResult[0], HeadlineText);
    placeInTwips(lblResult[0], TextMargin, 1290, TextWidth, 300);

    lblResult[1] = newLabel(QStringLiteral("lblResult_1"), QString(), fraResult, Qt::AlignLeft | Qt::AlignTop);
    placeInTwips(lblResult[1], TextMargin, 1590, TextWidth, 1230);

    cmdBack = newButton("cmdBack", "&Back To Main", fraResult);
    placeInTwips(cmdBack, 2895, 2850, 1800, 420);
    connect(cmdBack, &QPushButton::clicked, this, &frmEQTestMain::cmdBack_Click);
}

void frmEQTestMain::BringToFront(QFrame* panel)
{
    for (QFrame* each : {fraMain, fraQuestion, fraResult})
        each->setVisible(each == panel);
}

bool frmEQTestMain::IsNameEntered()
{
    if (!txtName->text().trimmed().isEmpty())
        return true;
    platform::showMessage(this, {QStringLiteral("Please Enter Your Name"), platform::MessageIcon::Critical,
                                 platform::MessageButtons::Ok});
    txtName->setFocus();
    return false;
}

void frmEQTestMain::ShowCurrentStatement()
{
    eq::LoadEQStatements();
    if (eq::IsRunComplete()) {
        ShowEQResult();
        BringToFront(fraResult);
        cmdBack->setFocus();
        return;
    }
    lblQuestionNo->setText(QStringLiteral("Question %1 of 15").arg(eq::EQQuestionIndex + 1));
    lblQuestion->setText(eq::EQStatements[eq::EQQuestionIndex]);
}

void frmEQTestMain::ShowEQResult()
{
    const eq::EQBand& band = eq::BandOfTotal(eq::EQScore);
    lblResult[0]->setText(QString::fromLatin1(band.headline));
    lblResult[1]->setText(QString::fromLatin1(band.paragraph));
}

void frmEQTestMain::cmdStartTest_Click()
{
    if (!IsNameEntered())
        return;
    eq::ResetRun();
    ShowCurrentStatement();
    BringToFront(fraQuestion);
    optAnswerChoice[0]->setFocus();
}

void frmEQTestMain::cmdNext_Click()
{
    for (qint16 index = 0; index < eq::ChoiceCount; ++index) {
        if (optAnswerChoice[index]->isChecked())
            eq::ScoreAnswer(index);
    }
    optAnswerChoice[0]->setChecked(true);
    ++eq::EQQuestionIndex;
    ShowCurrentStatement();
}

void frmEQTestMain::cmdBack_Click()
{
    txtName->clear();
    eq::ResetRun();
    BringToFront(fraMain);
    txtName->setFocus();
}

#include "braintest/frmBrainTestMain.h"

#include "braintest/BrainLook.h"
#include "braintest/modBrainTest.h"
#include "links/BrandStrip.h"
#include "platform/MessageBox.h"
#include "widgets/CommandButton.h"
#include "widgets/Controls.h"
#include "widgets/KeyPressTextBox.h"
#include "widgets/Keyboard.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QRadioButton>

using namespace brainlook;
using namespace controls;

namespace {

const MenuDesign Menus = {"mnuFile",  "Check for Software &Update", "mnuHelp1",
                          "mnuHelp2", "mnuMakeMoneyOnline",         "Make Money &Online"};

const char Welcome[] = "Welcome to the Zelt Brain Test! Take the test and know if your left brain is more active "
                       "than your right brain or vice versa or both are equally active. ";

constexpr int ClientWidth = 10800;
constexpr int ClientHeight = 5400;
constexpr int BannerHeight = 450;
constexpr int StripHeight = 855;
constexpr int Margin = 360;

using namespace keycode;

bool isLetter(int code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

} // namespace

frmBrainTestMain::frmBrainTestMain()
    : QuizWindow("frmBrainTestMain", QStringLiteral("Zelt Brain Test"), Menus,
                 QSize(look::px(ClientWidth), look::px(ClientHeight)))
    , Label61(newForumBanner(clientArea()))
    , Label4(newLabel("Label4", QString::fromLatin1(Welcome), clientArea(),
                      look::px(Margin, 555, ClientWidth - 2 * Margin, 900), look::verdana(9.75, true), Orange))
    , Frame1(new QGroupBox(QStringLiteral("Enter Your Details"), clientArea()))
    , Label1(newLabel("Label1", QStringLiteral("Name"), Frame1, look::px(480, 540, 1080, 330), look::verdana(9, true),
                      White))
    , txtName(
          new KeyPressTextBox(QStringLiteral("txtName"), Frame1, [this](int& KeyAscii) { txtName_KeyPress(KeyAscii); }))
    , Label3(newLabel("Label3", QStringLiteral("Sex"), Frame1, look::px(480, 1200, 1080, 330), look::verdana(9, true),
                      White))
    , optMale(newOption("optMale", QStringLiteral("Male"), Frame1, look::px(1680, 1170, 1800, 375),
                        look::verdana(9, true), Yellow))
    , optFemale(newOption("optFemale", QStringLiteral("Female"), Frame1, look::px(3600, 1170, 1800, 375),
                          look::verdana(9, true), Yellow))
    , cmdNext(newButton("cmdNext", "Take The &Brain Test Now", clientArea(), look::px(2580, 3810, 3600, 495)))
    , cmdExit(newButton("cmdExit", "&Exit", clientArea(), look::px(6420, 3810, 1800, 495)))
    , Frame5(new BrandStrip("Frame5", clientArea()))
    , mnuNext(menus.addFileItem("mnuNext", QStringLiteral("Take The &Brain Test Now")))
{
    look::setBackground(clientArea(), WindowBlue);
    Label61->setGeometry(look::px(0, 0, ClientWidth, BannerHeight));
    Label61->setWordWrap(true);
    Label4->setAlignment(Qt::AlignCenter);

    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(look::px(Margin, 1635, ClientWidth - 2 * Margin, 1935));
    Frame1->setFont(look::verdana(9, true));
    look::setTextColour(Frame1, White);
    txtName->setGeometry(look::px(1680, 495, 7200, 375));
    txtName->setFont(look::verdana(9.75, true));
    look::setEntryColours(txtName, WindowBlue, Yellow);
    // A screen reader names the box after its caption.
    Label1->setBuddy(txtName);

    Frame5->setGeometry(look::px(0, ClientHeight - StripHeight, ClientWidth, StripHeight));

    keyboard::install(this,
                      {{txtName, optMale, optFemale, cmdNext, cmdExit, Label61, Frame5->lblFullBrand},
                       cmdNext,
                       cmdNext});
    connect(cmdNext, &QPushButton::clicked, this, &frmBrainTestMain::cmdNext_Click);
    connect(mnuNext, &QAction::triggered, this, &frmBrainTestMain::cmdNext_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmBrainTestMain::cmdExit_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmBrainTestMain::cmdExit_Click);
}

// Letters go in as capitals; Backspace, Enter and space pass; anything else is refused.
void frmBrainTestMain::txtName_KeyPress(int& KeyAscii)
{
    if (isLetter(KeyAscii)) {
        if (KeyAscii >= 'a')
            KeyAscii -= 32;
        return;
    }
    if (KeyAscii == Backspace || KeyAscii == Enter || KeyAscii == Space)
        return;
    platform::showMessage(this, {QStringLiteral("Please Enter only Letters"), platform::MessageIcon::Information});
    KeyAscii = 0;
}

bool frmBrainTestMain::ValidateBrainDetails()
{
    if (txtName->text().isEmpty()) {
        platform::showMessage(this, {QStringLiteral("Please Enter Your Name"), platform::MessageIcon::Information});
        txtName->setFocus();
        return false;
    }
    if (!optMale->isChecked() && !optFemale->isChecked()) {
        // "Plese" is the program's own spelling of this message, kept as users know it.
        platform::showMessage(this, {QStringLiteral("Plese Select Your Sex"), platform::MessageIcon::None});
        return false;
    }
    return true;
}

void frmBrainTestMain::cmdNext_Click()
{
    if (!ValidateBrainDetails())
        return;
    modBrainTest::resetBrainRun();
    modBrainTest::LoadBrainQuestions();
    // The entry window stays loaded, with the name and sex as typed; the question window, which
    // every way out of unloads, is loaded afresh on question 1.
    hide();
    emit quizWindowWanted(QStringLiteral("frmBrainTestDisplay"));
}

void frmBrainTestMain::cmdExit_Click()
{
    close();
}

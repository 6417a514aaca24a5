#include "shell/frmAbout.h"
#include "shell/ProgramTitle.h"

#include "links/modHelp.h"
#include "widgets/Keyboard.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"
#include "widgets/Panels.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor White(255, 255, 255);
const QColor Cyan(0, 255, 255);

QLabel* newLabel(const char* objectName, const QString& text, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    look::setTextColour(label, White);
    return label;
}

MouseLabel* newLink(const char* objectName, const QString& text, QWidget* parent, void (*linkOperation)())
{
    MouseLabel* link = newLinkLabel(QString::fromLatin1(objectName), text, parent, linkOperation);
    QFont font = look::verdana(8.25);
    font.setUnderline(true);
    link->setFont(font);
    look::setTextColour(link, Cyan);
    return link;
}

} // namespace

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred again with the frame and title bar, which the window system knows once it is shown.
    const QRect frame = frameGeometry();
    move(m_screenCentre - QPoint(frame.width() / 2, frame.height() / 2));
}

void frmAbout::showModal(QWidget* owner)
{
    auto* about = new frmAbout(owner);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    panels::renewForAssistiveTechnology(about);
    about->show();
}

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(programTitleWithVersion());
    setWindowIcon(look::programIcon());
    setModal(true);
    look::setBackground(this, Qt::black);
    setFixedSize(look::px(6750), look::px(3870));
    // Centred on the screen, wherever its owner is.
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        m_screenCentre = screen->availableGeometry().center();
    move(m_screenCentre - rect().center());

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(look::px(120), look::px(120), look::px(480), look::px(480));
    Picture1->setPixmap(look::programIcon().pixmap(Picture1->size(), devicePixelRatioF()));

    Label2 = newLabel("Label2", programTitleWithVersion(), look::verdana(9.75, true), this);
    Label2->adjustSize();
    Label2->move(look::px(840), look::px(240));

    Label1 = newLabel("Label1",
                      QStringLiteral("Zelt Noggle is a collection of programs related to the development and "
                                     "working of the brain. It brings you the Brain Test, the Masculine Feminine "
                                     "Test and the Emotional Quotient Quiz. These are fun programs meant only for "
                                     "entertainment. All rights to Zelt Noggle are held by its maker, Zelt."),
                      look::verdana(8.25), this);
    Label1->setWordWrap(true);
    Label1->setGeometry(look::px(240), look::px(840), look::px(6465), look::px(975));

    lblHomePage = newLink("lblHomePage", QStringLiteral("Click here to visit ") + modHelp::ForumAddress(), this,
                          modHelp::GoToHomePage);
    lblHomePage->adjustSize();
    lblHomePage->move(look::px(2640), look::px(1920));

    Label3 = newLabel("Label3",
                      QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                     "online. Get this software fully branded for your website. "),
                      look::verdana(8.25, true), this);
    Label3->setWordWrap(true);
    Label3->setGeometry(look::px(240), look::px(2280), look::px(6105), look::px(675));

    lblCoBrand = newLink("lblCoBrand", QStringLiteral("Click here for more details."), this, modHelp::GoToFullyBranded);
    lblCoBrand->adjustSize();
    lblCoBrand->move(look::px(4320), look::px(2880));

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(0, look::px(3240), look::px(6900), 1);
    look::setBackground(Line1, QColor(224, 224, 224));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(look::verdana(8.25, true));
    look::setButtonColours(cmdOK, look::ButtonGrey);
    cmdOK->setGeometry(look::px(5400), look::px(3360), look::px(1260), look::px(345));
    // Drawn as the default button.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // OK is the default and the cancel button; a link pressed with Enter opens its page.
    keyboard::install(this, {{cmdOK, lblHomePage, lblCoBrand}, cmdOK, cmdOK});
    cmdOK->setFocus();
}

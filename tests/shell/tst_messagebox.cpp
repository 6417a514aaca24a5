#include "platform/MessageBox.h"
#include "support/ProgramTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>

using platform::Message;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

// The real box, as a user sees it: the program title, the icon, the text and the buttons.
class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void realBoxShowsWhatItIsAsked_data();
    void realBoxShowsWhatItIsAsked();
};

void TestMessageBox::realBoxShowsWhatItIsAsked_data()
{
    const QList<QMessageBox::StandardButton> Ok = {QMessageBox::Ok};
    // In the order of their values, as the test sorts them.
    const QList<QMessageBox::StandardButton> YesNo = {QMessageBox::Yes, QMessageBox::No};
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QMessageBox::Icon>("boxIcon");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("buttonsShown");
    QTest::addColumn<QMessageBox::StandardButton>("pressed");
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("information") << texts::text("messages.alreadyRunning") << MessageIcon::Information
                                 << MessageButtons::Ok << texts::text("messages.alreadyRunning")
                                 << QMessageBox::Information << Ok << QMessageBox::Ok << MessageAnswer::Ok;
    QTest::newRow("critical") << texts::text("messages.enterYourName") << MessageIcon::Critical << MessageButtons::Ok
                              << texts::text("messages.enterYourName") << QMessageBox::Critical << Ok << QMessageBox::Ok
                              << MessageAnswer::Ok;
    QTest::newRow("no icon") << texts::text("messages.selectYourSex") << MessageIcon::None << MessageButtons::Ok
                             << texts::text("messages.selectYourSex") << QMessageBox::NoIcon << Ok << QMessageBox::Ok
                             << MessageAnswer::Ok;
    QTest::newRow("yes") << "line one\rline two" << MessageIcon::Information << MessageButtons::YesNo
                         << "line one\nline two" << QMessageBox::Information << YesNo << QMessageBox::Yes
                         << MessageAnswer::Yes;
    QTest::newRow("no") << "line one\rline two" << MessageIcon::Information << MessageButtons::YesNo
                        << "line one\nline two" << QMessageBox::Information << YesNo << QMessageBox::No
                        << MessageAnswer::No;
}

void TestMessageBox::realBoxShowsWhatItIsAsked()
{
    QFETCH(QString, text);
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(QString, shownText);
    QFETCH(QMessageBox::Icon, boxIcon);
    QFETCH(QList<QMessageBox::StandardButton>, buttonsShown);
    QFETCH(QMessageBox::StandardButton, pressed);
    QFETCH(MessageAnswer, answer);

    QWidget owner;
    owner.show();
    QString title;
    QString boxText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QWidget* boxParent = nullptr;
    QList<QMessageBox::StandardButton> standardButtons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        boxText = box->text();
        shownIcon = box->icon();
        boxParent = box->parentWidget();
        for (QAbstractButton* button : box->buttons())
            standardButtons << box->standardButton(button);
        box->button(pressed)->click();
    });
    QCOMPARE(platform::showMessage(&owner, {text, icon, buttons}), answer);
    QCOMPARE(title, QStringLiteral("Zelt Noggle"));
    QCOMPARE(boxText, shownText);
    QCOMPARE(shownIcon, boxIcon);
    QCOMPARE(boxParent, &owner);
    std::sort(standardButtons.begin(), standardButtons.end());
    QCOMPARE(standardButtons, buttonsShown);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"

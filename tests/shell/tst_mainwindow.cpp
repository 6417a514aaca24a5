#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Counts the unload handling of each quiz window that a shutdown runs.
class UnloadCountingWindow : public QuizWindow {
public:
    explicit UnloadCountingWindow(const QString& name)
        : QuizWindow(qPrintable(name), QStringLiteral("Counting"),
                     {"mnuFile", "Check for Software &Update", "mnuSep1", "mnuSep2", "mnuMakeMoney",
                      "&Make Money Online"},
                     QSize(200, 100))
    {
    }

    static int& unloads()
    {
        static int count = 0;
        return count;
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++unloads();
        QuizWindow::closeEvent(event);
    }
};

// Moves the mouse as a user does, through the window the widget lies in.
void moveMouseOver(QWidget* widget, QPoint position)
{
    QTest::mouseMove(widget->window()->windowHandle(), widget->mapTo(widget->window(), position));
}

QFont::Weight weightOf(const QWidget* widget)
{
    return widget->font().weight();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAsDesigned();
    void launcherLabelsAsDesigned_data();
    void launcherLabelsAsDesigned();
    void testButtonsAsDesigned_data();
    void testButtonsAsDesigned();
    void controlsAreCentredOnTheScreenWidth();
    void exitButtonStands120TwipsFromTheRightEdge();
    void menusAsDesigned();

    void hoverUnderlinesOnlyTestLabels_data();
    void hoverUnderlinesOnlyTestLabels();
    void movingOverThePanelRemovesEveryUnderline();

    void everyClosingCommandUnloadsTheTestsAndEndsTheProgram_data();
    void everyClosingCommandUnloadsTheTestsAndEndsTheProgram();

private:
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestMainWindow::init()
{
    m_mainWindow = showMainWindow();
}

void TestMainWindow::cleanup()
{
    m_mainWindow.reset();
}

void TestMainWindow::windowAsDesigned()
{
    QCOMPARE(m_mainWindow->windowTitle(), texts::text("program.titleWithVersion"));
    QVERIFY(m_mainWindow->isMaximized() || m_mainWindow->windowState() & Qt::WindowMaximized);
    QCOMPARE(m_mainWindow->Picture6->height(), look::px(560));
    QCOMPARE(m_mainWindow->Picture6->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(m_mainWindow->Picture1->height(), look::px(900));
    QCOMPARE(m_mainWindow->picButtonContainer->size(), QSize(look::px(10935), look::px(800)));
    QCOMPARE(m_mainWindow->picMain->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(m_mainWindow->PicCoBrand->height(), look::px(735));
    QCOMPARE(m_mainWindow->PicCoBrand->palette().color(QPalette::Window), QColor(192, 192, 255));

    // The strips run from top to bottom in this order, the bottom one at the window's bottom edge.
    const auto top = [this](QWidget* widget) { return widget->mapTo(m_mainWindow.get(), QPoint()).y(); };
    QVERIFY(top(m_mainWindow->Picture6) < top(m_mainWindow->Picture1));
    QCOMPARE(top(m_mainWindow->picMain), top(m_mainWindow->Picture1) + m_mainWindow->Picture1->height());
    QCOMPARE(top(m_mainWindow->PicCoBrand) + m_mainWindow->PicCoBrand->height(),
             m_mainWindow->centralWidget()->height() + top(m_mainWindow->centralWidget()));

    QCOMPARE(m_mainWindow->cmdMdiExit->text(), QStringLiteral("&Exit"));
    QCOMPARE(m_mainWindow->cmdMdiExit->size(), QSize(look::px(1335), look::px(495)));
    QCOMPARE(m_mainWindow->cmdMdiExit->y(), look::px(120));
    QVERIFY(m_mainWindow->Label7->text().startsWith(QStringLiteral("Home Business Opportunity.")));
}

void TestMainWindow::launcherLabelsAsDesigned_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("hand");
    QTest::newRow("0") << 0 << 240 << texts::text("launcher.labels.0") << QColor(0, 255, 255) << 12.0 << false;
    QTest::newRow("1") << 1 << 840 << texts::text("launcher.introductionBegins") << QColor(255, 0, 0) << 8.25 << false;
    QTest::newRow("2") << 2 << 1920 << texts::text("launcher.labels.2") << QColor(0, 255, 255) << 12.0 << false;
    QTest::newRow("3") << 3 << 2760 << "Brain Test" << QColor(255, 255, 0) << 12.0 << true;
    QTest::newRow("5") << 5 << 3600 << texts::text("launcher.buttons.2") << QColor(0, 255, 0) << 12.0 << true;
    QTest::newRow("4") << 4 << 4440 << texts::text("launcher.buttons.1") << QColor(255, 0, 255) << 12.0 << true;
}

void TestMainWindow::launcherLabelsAsDesigned()
{
    QFETCH(int, index);
    QFETCH(int, top);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(qreal, points);
    QFETCH(bool, hand);
    const MouseLabel* label = m_mainWindow->findChild<MouseLabel*>(QStringLiteral("lblCaption_%1").arg(index));
    QVERIFY(label);
    QCOMPARE(label, m_mainWindow->lblCaption[index]);
    QCOMPARE(label->parentWidget(), m_mainWindow->picMain);
    QVERIFY(index == 1 ? label->text().startsWith(text) : label->text() == text);
    QCOMPARE(label->y(), look::px(top));
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(weightOf(label), QFont::Bold);
    QVERIFY(drawnInVerdana(label->font()));
    QVERIFY(!label->font().underline());
    QCOMPARE(label->cursor().shape() == Qt::BitmapCursor, hand);
}

void TestMainWindow::testButtonsAsDesigned_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<int>("iconLeft");
    QTest::newRow("0") << 0 << "Brain Test" << 1335 << "Picture2" << 735;
    QTest::newRow("2") << 2 << texts::text("launcher.buttons.2") << 4815 << "Picture4" << 4215;
    QTest::newRow("1") << 1 << texts::text("launcher.buttons.1") << 8295 << "Picture3" << 7695;
}

void TestMainWindow::testButtonsAsDesigned()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(QString, icon);
    QFETCH(int, iconLeft);
    const auto* button = m_mainWindow->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(index));
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), QRect(look::px(left), look::px(188), look::px(1890), look::px(495)));
    QCOMPARE(button->palette().color(QPalette::Button), QColor(192, 192, 192));
    QCOMPARE(button->font().pointSizeF(), 8.25);
    QCOMPARE(weightOf(button), QFont::Bold);
    const auto* picture = m_mainWindow->picButtonContainer->findChild<QLabel*>(icon);
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(look::px(iconLeft), look::px(180), look::px(510), look::px(510)));
    QVERIFY(!picture->pixmap().isNull());
}

void TestMainWindow::controlsAreCentredOnTheScreenWidth()
{
    const int screenWidth = look::screenWidth();
    const auto centredLeft = [screenWidth](const QWidget* widget) { return (screenWidth - widget->width()) / 2; };
    QCOMPARE(m_mainWindow->lblQuorvaneBanner->x(), centredLeft(m_mainWindow->lblQuorvaneBanner));
    QCOMPARE(m_mainWindow->picButtonContainer->x(), centredLeft(m_mainWindow->picButtonContainer));
    for (const MouseLabel* label : m_mainWindow->lblCaption)
        QCOMPARE(label->x(), centredLeft(label));
    // Each label is centred on its own text; the introduction on its fixed box.
    QCOMPARE(m_mainWindow->lblCaption[1]->size(), QSize(look::px(8055), look::px(705)));
    QCOMPARE(m_mainWindow->lblCaption[3]->width(), m_mainWindow->lblCaption[3]->sizeHint().width());
}

void TestMainWindow::exitButtonStands120TwipsFromTheRightEdge()
{
    const QPushButton* exit = m_mainWindow->cmdMdiExit;
    QCOMPARE(exit->x(), look::screenWidth() - (exit->width() + look::px(120)));
    QVERIFY(m_mainWindow->Label7->geometry().right() < exit->x());
}

void TestMainWindow::menusAsDesigned()
{
    const QList<QAction*> bar = m_mainWindow->menuBar()->actions();
    // The make-money entry is in the design, never available, and left out of the menu bar.
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("mnuFile"));
    QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
    QAction* makeMoney = m_mainWindow->menus.mnuMakeMoney;
    QCOMPARE(makeMoney->objectName(), QStringLiteral("mkmoney"));
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!makeMoney->isEnabled());

    QStringList file;
    for (const QAction* item : bar[0]->menu()->actions())
        file << item->objectName() + QLatin1Char('=') + item->text();
    QCOMPARE(file, QStringList{"mnuExit=E&xit"});

    QStringList help;
    for (const QAction* item : bar[1]->menu()->actions())
        help << item->objectName() + QLatin1Char('=') + (item->isSeparator() ? QStringLiteral("-") : item->text());
    const QStringList expected = {"mnuOnline=&Online Help",
                                  "mnuVisit=&Visit Us Online",
                                  "mnuSep1=-",
                                  "mnuUpdate=Check for Software &Update",
                                  "mnuSep2=-",
                                  "mnuAbout=&About Software"};
    QCOMPARE(help, expected);
}

void TestMainWindow::hoverUnderlinesOnlyTestLabels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("underlined");
    QTest::newRow("welcome") << 0 << false;
    QTest::newRow("introduction") << 1 << false;
    QTest::newRow("list heading") << 2 << false;
    QTest::newRow("Brain Test") << 3 << true;
    QTest::newRow("Masculine Feminine Test") << 4 << true;
    QTest::newRow("Emotional Quotient Test") << 5 << true;
}

void TestMainWindow::hoverUnderlinesOnlyTestLabels()
{
    QFETCH(int, index);
    QFETCH(bool, underlined);
    MouseLabel* label = m_mainWindow->lblCaption[index];
    moveMouseOver(label, label->rect().center());
    QTRY_COMPARE(label->font().underline(), underlined);
    for (const MouseLabel* other : m_mainWindow->lblCaption) {
        if (other != label)
            QVERIFY(!other->font().underline());
    }
}

void TestMainWindow::movingOverThePanelRemovesEveryUnderline()
{
    for (int index : {3, 4, 5}) {
        MouseLabel* label = m_mainWindow->lblCaption[index];
        moveMouseOver(label, label->rect().center());
        QTRY_VERIFY(label->font().underline());
    }
    moveMouseOver(m_mainWindow->picMain, QPoint(5, 5));
    for (const MouseLabel* label : m_mainWindow->lblCaption)
        QTRY_VERIFY(!label->font().underline());
}

void TestMainWindow::everyClosingCommandUnloadsTheTestsAndEndsTheProgram_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Exit button") << "cmdMdiExit";
    QTest::newRow("File Exit") << "mnuExit";
    QTest::newRow("close box") << "close";
}

void TestMainWindow::everyClosingCommandUnloadsTheTestsAndEndsTheProgram()
{
    QFETCH(QString, command);
    QuizCatalogue quizzes = zeltNoggleQuizzes();
    for (QuizWindowEntry& window : quizzes.front().windows) {
        const QString name = window.name;
        window.create = [name] { return new UnloadCountingWindow(name); };
    }
    m_mainWindow.reset();
    m_mainWindow = showMainWindow(quizzes);
    UnloadCountingWindow::unloads() = 0;
    m_mainWindow->loadQuizWindow(QStringLiteral("frmBrainTestMain"))->hide();
    m_mainWindow->OpenTest(QStringLiteral("frmBrainTestDisplay"));

    QTimer::singleShot(0, this, [this, command] {
        if (command == QLatin1String("cmdMdiExit"))
            QTest::mouseClick(m_mainWindow->cmdMdiExit, Qt::LeftButton);
        else if (command == QLatin1String("mnuExit"))
            m_mainWindow->menus.mnuExit->trigger();
        else
            m_mainWindow->close();
    });
    // Should the program not end, this ends the wait with another code.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);

    QCOMPARE(UnloadCountingWindow::unloads(), 2);
    QVERIFY(!m_mainWindow->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

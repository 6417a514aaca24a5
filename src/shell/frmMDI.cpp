#include "shell/frmMDI.h"

#include "links/BrandStrip.h"
#include "links/modHelp.h"
#include "shell/EndProgram.h"
#include "shell/ProgramTitle.h"
#include "shell/frmAbout.h"
#include "widgets/CommandButton.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <optional>

namespace {

std::map<TestWindowId, frmMDI::TestWindowFactory>& factories()
{
    static std::map<TestWindowId, frmMDI::TestWindowFactory> registered;
    return registered;
}

frmMDI*& currentMainWindow()
{
    static frmMDI* window = nullptr;
    return window;
}

struct TestButton {
    const char* caption;
    int buttonLeft;
    int iconLeft;
    const char* iconName;
    const char* iconControl;
    TestWindowId window;
};

// By index: the Emotional Quotient button (2) stands between the other two on screen.
const std::array<TestButton, 3> TestButtons = {{
    {"Brain Test", 1335, 735, "braintest", "Picture2", TestWindowId::BrainTestMain},
    {"Masculine Feminine Test", 8295, 7695, "mftest", "Picture3", TestWindowId::MFTestMain},
    {"Emotional Quotient Test", 4815, 4215, "eqtest", "Picture4", TestWindowId::EQTestMain},
}};

struct LauncherLabel {
    int top;
    const char* text;
    QColor colour;
    qreal points;
};

// By index; on screen, top to bottom, index 5 stands above index 4.
const std::array<LauncherLabel, 6> LauncherLabels = {{
    {240, "Welcome to Zelt Noggle", QColor(0, 255, 255), 12},
    {840,
     "The Brain is the most important part of our body that controls us from top to bottom. "
     "Have you ever thought about how your brain works? The programs below are fun tools that "
     "give you a better insight into your own brain.",
     QColor(255, 0, 0), 8.25},
    {1920, "Zelt Noggle includes the following programs", QColor(0, 255, 255), 12},
    {2760, "Brain Test", QColor(255, 255, 0), 12},
    {4440, "Masculine Feminine Test", QColor(255, 0, 255), 12},
    {3600, "Emotional Quotient Test", QColor(0, 255, 0), 12},
}};

// The test each launcher label opens, by label index; the first three open none.
std::optional<TestWindowId> testOfLabel(int index)
{
    switch (index) {
    case 3: return TestWindowId::BrainTestMain;
    case 4: return TestWindowId::MFTestMain;
    case 5: return TestWindowId::EQTestMain;
    default: return std::nullopt;
    }
}

const MenuDesign MainMenus = {"mnuFile", "Check for Software &Update", "mnuSep1", "mnuSep2",
                              "mkmoney", "Make Money &Online"};

constexpr int LauncherHeight = 8640;
constexpr int IntroductionWidth = 8055;
constexpr int IntroductionHeight = 705;
constexpr int ExitMargin = 120;
// Below the last launcher label, down to the offer strip, when the window is as small as can be.
constexpr int LauncherMargin = 240;

QPushButton* newGreyButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = new CommandButton(objectName, caption, parent);
    button->setFont(look::verdana(8.25, true));
    look::setButtonColours(button, look::ButtonGrey);
    return button;
}

QWidget* newStrip(const QString& objectName, int heightInTwips, QWidget* parent)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(objectName);
    strip->setFixedHeight(look::px(heightInTwips));
    return strip;
}

} // namespace

void frmMDI::registerTestWindow(TestWindowId id, TestWindowFactory factory)
{
    factories()[id] = std::move(factory);
}

frmMDI* frmMDI::current()
{
    return currentMainWindow();
}

frmMDI::frmMDI()
    : menus(this, MainMenus)
{
    currentMainWindow() = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(programTitleWithVersion());
    setWindowIcon(look::programIcon());

    // On a screen too small for the design (or scaled up far), the window scrolls to what does not
    // fit, and every control keeps its designed size and place.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab goes through the controls, and the area scrolls to the one with the focus.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    m_content = new QWidget(scroller);
    auto* rows = new QVBoxLayout(m_content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(newBanner(m_content));
    rows->addWidget(newTestButtonBar(m_content));
    rows->addWidget(newClientArea(m_content), 1);
    rows->addWidget(newOfferStrip(m_content));
    scroller->setWidget(m_content);
    setCentralWidget(scroller);
    // It is shown maximised; before that it is never larger than the screen, which a window manager
    // may not place at all.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() / 2);

    menuBar()->addActions(menus.menuBarActions());
    connect(menus.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(menus.mnuAbout, &QAction::triggered, this, [this] { frmAbout::showModal(this); });

    LayOutMainWindow();
    putLinksLastInTabOrder(this);
}

// The forum banner across the top, a picture with a link label on it.
QWidget* frmMDI::newBanner(QWidget* parent)
{
    Picture6 = new MouseLabel(QStringLiteral("Picture6"), QString(), parent);
    Picture6->setFixedHeight(look::px(560));
    Picture6->setHandPointer();
    Picture6->setAccessibleName(brandtext::forumBanner());
    look::setBackground(Picture6, look::StripBlue);
    connect(Picture6, &MouseLabel::clicked, this, modHelp::GoToHomePage);
    lblQuorvaneBanner = newLinkLabel(QStringLiteral("lblQuorvaneBanner"), brandtext::forumBanner(), Picture6,
                                     modHelp::GoToHomePage);
    lblQuorvaneBanner->setFont(look::verdana(9.75, true));
    look::setTextColour(lblQuorvaneBanner, look::BannerText);
    lblQuorvaneBanner->adjustSize();
    lblQuorvaneBanner->move(0, (Picture6->height() - lblQuorvaneBanner->height()) / 2);
    // The whole banner is the one Tab stop of the link.
    lblQuorvaneBanner->setFocusPolicy(Qt::NoFocus);
    return Picture6;
}

// The bar of the three test buttons, each with its test's icon.
QWidget* frmMDI::newTestButtonBar(QWidget* parent)
{
    Picture1 = newStrip(QStringLiteral("Picture1"), 900, parent);
    Picture1->setAutoFillBackground(true);
    picButtonContainer = new QFrame(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    picButtonContainer->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picButtonContainer->setGeometry(0, (Picture1->height() - look::px(800)) / 2, look::px(10935), look::px(800));
    for (std::size_t index = 0; index < TestButtons.size(); ++index) {
        const TestButton& design = TestButtons[index];
        QPushButton* button = newGreyButton(QStringLiteral("cmdSelectOption_%1").arg(index),
                                            QString::fromLatin1(design.caption), picButtonContainer);
        button->setGeometry(look::px(design.buttonLeft), look::px(188), look::px(1890), look::px(495));
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(int(index)); });
        cmdSelectOption[index] = button;

        auto* icon = new QLabel(picButtonContainer);
        icon->setObjectName(QString::fromLatin1(design.iconControl));
        icon->setGeometry(look::px(design.iconLeft), look::px(180), look::px(510), look::px(510));
        icon->setPixmap(look::iconPixmap(QString::fromLatin1(design.iconName), icon->size(), devicePixelRatioF()));
        icon->setAlignment(Qt::AlignCenter);
    }
    Picture2 = picButtonContainer->findChild<QLabel*>(QStringLiteral("Picture2"));
    Picture3 = picButtonContainer->findChild<QLabel*>(QStringLiteral("Picture3"));
    Picture4 = picButtonContainer->findChild<QLabel*>(QStringLiteral("Picture4"));
    return Picture1;
}

// The client area in which the test windows open, with the black launcher panel and its six
// labels over its top. Test windows open only while the panel is hidden, so it never covers one.
QWidget* frmMDI::newClientArea(QWidget* parent)
{
    auto* clientArea = new QWidget(parent);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    mdiClient = new QMdiArea(clientArea);
    mdiClient->setObjectName(QStringLiteral("mdiClient"));
    mdiClient->setBackground(Qt::black);
    // A test window taller or wider than the client area can be scrolled to.
    mdiClient->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiClient->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    picMain = new MouseLabel(QStringLiteral("picMain"), QString(), clientArea);
    look::setBackground(picMain, Qt::black);
    connect(picMain, &MouseLabel::mouseMoved, this, &frmMDI::picMain_MouseMove);
    for (std::size_t index = 0; index < LauncherLabels.size(); ++index) {
        const LauncherLabel& design = LauncherLabels[index];
        auto* label = new MouseLabel(QStringLiteral("lblCaption_%1").arg(index), QString::fromLatin1(design.text),
                                     picMain);
        label->setFont(look::verdana(design.points, true));
        look::setTextColour(label, design.colour);
        if (index == 1) {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignCenter);
            label->resize(look::px(IntroductionWidth), look::px(IntroductionHeight));
        } else {
            label->adjustSize();
        }
        label->move(0, look::px(design.top));
        if (testOfLabel(int(index)))
            label->setHandPointer();
        connect(label, &MouseLabel::clicked, this, [this, index] { lblCaption_Click(int(index)); });
        connect(label, &MouseLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(int(index)); });
        lblCaption[index] = label;
    }
    clientArea->installEventFilter(this);
    return clientArea;
}

// The strip along the bottom: the fully-branded offer and the Exit button.
QWidget* frmMDI::newOfferStrip(QWidget* parent)
{
    PicCoBrand = newStrip(QStringLiteral("PicCoBrand"), 735, parent);
    look::setBackground(PicCoBrand, look::StripBlue);
    cmdMdiExit = newGreyButton(QStringLiteral("cmdMdiExit"), QStringLiteral("&Exit"), PicCoBrand);
    cmdMdiExit->setGeometry(0, look::px(120), look::px(1335), look::px(495));
    connect(cmdMdiExit, &QPushButton::clicked, this, &QWidget::close);
    Label7 = newLinkLabel(QStringLiteral("Label7"), QString::fromLatin1(brandtext::FullBrand), PicCoBrand,
                          modHelp::GoToFullyBranded);
    Label7->setFont(look::verdana(8.25, true));
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignCenter);
    look::setTextColour(Label7, look::OfferText);
    return PicCoBrand;
}

frmMDI::~frmMDI()
{
    currentMainWindow() = nullptr;
    // The test windows go after this window's own parts, hidden as they go: nobody listens then.
    for (const auto& [id, window] : m_loaded) {
        if (window)
            window->disconnect(this);
    }
}

void frmMDI::LayOutMainWindow()
{
    // Centred on the screen; on a screen narrower than the design, on the design's width.
    const int screenWidth = qMax(look::screenWidth(), designWidth());
    lblQuorvaneBanner->move((screenWidth - lblQuorvaneBanner->width()) / 2, lblQuorvaneBanner->y());
    picButtonContainer->move((screenWidth - picButtonContainer->width()) / 2, picButtonContainer->y());
    for (MouseLabel* label : lblCaption)
        label->move((screenWidth - label->width()) / 2, label->y());
    cmdMdiExit->move(screenWidth - (cmdMdiExit->width() + look::px(ExitMargin)), cmdMdiExit->y());

    // The offer fills the strip to the left of the Exit button.
    const int margin = look::px(ExitMargin);
    Label7->setGeometry(margin, 0, qMax(0, cmdMdiExit->x() - 2 * margin), PicCoBrand->height());

    m_content->setMinimumSize(designWidth(), designHeight());
}

int frmMDI::designWidth() const
{
    int widest = qMax(lblQuorvaneBanner->width(), picButtonContainer->width());
    for (const MouseLabel* label : lblCaption)
        widest = qMax(widest, label->width());
    return widest;
}

int frmMDI::designHeight() const
{
    int launcherBottom = 0;
    for (const MouseLabel* label : lblCaption)
        launcherBottom = qMax(launcherBottom, label->geometry().bottom() + 1);
    return Picture6->height() + Picture1->height() + launcherBottom + look::px(LauncherMargin) + PicCoBrand->height();
}

TestWindow* frmMDI::loadTestWindow(TestWindowId id)
{
    if (TestWindow* loaded = loadedTestWindow(id))
        return loaded;
    const auto factory = factories().find(id);
    if (factory == factories().end())
        return nullptr;
    TestWindow* window = factory->second();
    mdiClient->addSubWindow(window);
    m_loaded[id] = window;
    connect(window, &TestWindow::shown, this, &frmMDI::followScreen);
    connect(window, &TestWindow::hidden, this, &frmMDI::followScreen);
    connect(window, &TestWindow::unloaded, this, &frmMDI::testWindowUnloaded);
    connect(window, &TestWindow::testWindowWanted, this, &frmMDI::OpenTest);
    window->fitAroundClientArea();
    window->placeAtTop();
    return window;
}

TestWindow* frmMDI::loadedTestWindow(TestWindowId id) const
{
    const auto loaded = m_loaded.find(id);
    return loaded == m_loaded.end() ? nullptr : loaded->second.data();
}

void frmMDI::UnloadTestWindows()
{
    // The question window of the Brain Test is unloaded a second time at the end, as the program
    // always did; it is no longer loaded by then, so it is skipped.
    for (TestWindowId id : {TestWindowId::BrainTestDisplay, TestWindowId::BrainTestMain, TestWindowId::EQTestMain,
                            TestWindowId::MFTestMain, TestWindowId::BrainTestDisplay}) {
        if (TestWindow* window = loadedTestWindow(id))
            window->close();
    }
}

void frmMDI::OpenTest(TestWindowId id)
{
    TestWindow* window = loadTestWindow(id);
    if (!window)
        return;
    picMain->hide();
    window->show();
    window->placeAtTop();
    mdiClient->setActiveSubWindow(window);
}

void frmMDI::testWindowUnloaded(TestWindow* window)
{
    auto loaded = m_loaded.find(window->id());
    if (loaded != m_loaded.end() && loaded->second == window)
        m_loaded.erase(loaded);
    picMain->setVisible(true);
    followScreen();
    // The keyboard comes back to the launcher with its first button.
    if (!testWindowOnScreen())
        cmdSelectOption[0]->setFocus();
}

TestWindow* frmMDI::testWindowOnScreen() const
{
    TestWindow* onScreen = nullptr;
    for (const auto& [id, window] : m_loaded) {
        if (window && !window->isHidden())
            onScreen = window;
    }
    return onScreen;
}

void frmMDI::followScreen()
{
    const TestWindow* onScreen = testWindowOnScreen();
    menuBar()->clear();
    menuBar()->addActions((onScreen ? onScreen->menus : menus).menuBarActions());
    // The Brain Test's windows have an "&Exit" of their own: Alt+E presses theirs, rather than
    // taking turns with the main window's.
    cmdMdiExit->setShortcut(onScreen ? QKeySequence() : QKeySequence::mnemonic(cmdMdiExit->text()));
}

void frmMDI::closeEvent(QCloseEvent* event)
{
    for (QMdiSubWindow* window : mdiClient->subWindowList())
        window->close();
    QMainWindow::closeEvent(event);
    EndProgram();
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const auto* clientArea = static_cast<QWidget*>(watched);
        mdiClient->setGeometry(clientArea->rect());
        picMain->setGeometry(0, 0, clientArea->width(), qMin(clientArea->height(), look::px(LauncherHeight)));
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::cmdSelectOption_Click(int index)
{
    UnloadTestWindows();
    OpenTest(TestButtons[index].window);
}

void frmMDI::lblCaption_Click(int index)
{
    UnloadTestWindows();
    if (const std::optional<TestWindowId> test = testOfLabel(index))
        OpenTest(*test);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (!testOfLabel(index))
        return;
    QFont font = lblCaption[index]->font();
    font.setUnderline(true);
    lblCaption[index]->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (MouseLabel* label : lblCaption) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

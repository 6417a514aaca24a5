#include "shell/frmMDI.h"

#include "links/BrandStrip.h"
#include "links/modHelp.h"
#include "shell/EndProgram.h"
#include "shell/ProgramTitle.h"
#include "shell/frmAbout.h"
#include "widgets/CommandButton.h"
#include "widgets/Keyboard.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"
#include "widgets/Panels.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
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

#include <algorithm>
#include <array>

namespace {

struct LauncherText {
    int top;
    const char* text;
    QColor colour;
    qreal points;
};

// The launcher's own texts, indexes 0 to 2 of its labels, top to bottom; the quizzes' labels
// follow them.
const std::array<LauncherText, 3> LauncherTexts = {{
    {240, "Welcome to Zelt Noggle", QColor(0, 255, 255), 12},
    {840,
     "The Brain is the most important part of our body that controls us from top to bottom. "
     "Have you ever thought about how your brain works? The programs below are fun tools that "
     "give you a better insight into your own brain.",
     QColor(255, 0, 0), 8.25},
    {1920, "Zelt Noggle includes the following programs", QColor(0, 255, 255), 12},
}};
constexpr int IntroductionIndex = 1;
constexpr qreal QuizLabelPoints = 12;

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

// Whether the window has a button with that caption, access key included.
bool hasButtonCaptioned(const QWidget* window, const QString& caption)
{
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    return std::any_of(buttons.begin(), buttons.end(),
                       [&caption](const QAbstractButton* button) { return button->text() == caption; });
}

QWidget* newStrip(const QString& objectName, int heightInTwips, QWidget* parent)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(objectName);
    strip->setFixedHeight(look::px(heightInTwips));
    return strip;
}

} // namespace

frmMDI::frmMDI(QuizCatalogue quizzes)
    : menus(this, MainMenus)
    , m_quizzes(std::move(quizzes))
{
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
    rows->addWidget(newQuizButtonBar(m_content));
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
    installKeys();
}

// Tab goes through the quizzes' buttons by index and the Exit button, then the links in reading
// order: the banner, the quizzes' labels from top to bottom, the offer.
void frmMDI::installKeys()
{
    keyboard::WindowKeys keys;
    keys.tabOrder = {cmdSelectOption.begin(), cmdSelectOption.end()};
    keys.tabOrder << cmdMdiExit << Picture6;
    QList<QWidget*> quizLabels(lblCaption.begin() + LauncherTexts.size(), lblCaption.end());
    std::stable_sort(quizLabels.begin(), quizLabels.end(),
                     [](const QWidget* one, const QWidget* other) { return one->y() < other->y(); });
    keys.tabOrder << quizLabels << Label7;
    keyboard::install(this, keys);
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

// The bar of the quizzes' buttons, each with its quiz's icon.
QWidget* frmMDI::newQuizButtonBar(QWidget* parent)
{
    Picture1 = newStrip(QStringLiteral("Picture1"), 900, parent);
    Picture1->setAutoFillBackground(true);
    picButtonContainer = new QFrame(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    picButtonContainer->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picButtonContainer->setGeometry(0, (Picture1->height() - look::px(800)) / 2, look::px(10935), look::px(800));
    cmdSelectOption.resize(m_quizzes.size());
    // Made in index order, which is the order Tab goes through them.
    for (int index = 0; index < int(m_quizzes.size()); ++index) {
        const QuizEntry* quiz = quizOfButton(index);
        QPushButton* button = newGreyButton(QStringLiteral("cmdSelectOption_%1").arg(index), quiz->caption,
                                            picButtonContainer);
        button->setGeometry(look::px(quiz->buttonLeft), look::px(188), look::px(1890), look::px(495));
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
        cmdSelectOption[std::size_t(index)] = button;

        auto* icon = new QLabel(picButtonContainer);
        icon->setObjectName(quiz->iconControl);
        icon->setGeometry(look::px(quiz->iconLeft), look::px(180), look::px(510), look::px(510));
        icon->setPixmap(look::iconPixmap(quiz->picture, icon->size(), devicePixelRatioF()));
        icon->setAlignment(Qt::AlignCenter);
    }
    return Picture1;
}

// The client area in which the quiz windows open, with the black launcher panel and its
// labels over its top. Quiz windows open only while the panel is hidden, so it never covers one.
QWidget* frmMDI::newClientArea(QWidget* parent)
{
    auto* clientArea = new QWidget(parent);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    mdiClient = new QMdiArea(clientArea);
    mdiClient->setObjectName(QStringLiteral("mdiClient"));
    mdiClient->setBackground(Qt::black);
    // A quiz window taller or wider than the client area can be scrolled to.
    mdiClient->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiClient->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    picMain = new MouseLabel(QStringLiteral("picMain"), QString(), clientArea);
    look::setBackground(picMain, Qt::black);
    connect(picMain, &MouseLabel::mouseMoved, this, &frmMDI::picMain_MouseMove);
    lblCaption.resize(LauncherTexts.size() + m_quizzes.size());
    for (std::size_t index = 0; index < LauncherTexts.size(); ++index) {
        const LauncherText& text = LauncherTexts[index];
        newLauncherLabel(int(index), QString::fromLatin1(text.text), text.top, text.colour, text.points);
    }
    for (int index = int(LauncherTexts.size()); index < int(lblCaption.size()); ++index) {
        const QuizEntry* quiz = quizOfLabel(index);
        newLauncherLabel(index, quiz->caption, quiz->labelTop, quiz->labelColour, QuizLabelPoints)->setHandPointer();
    }
    clientArea->installEventFilter(this);
    return clientArea;
}

MouseLabel* frmMDI::newLauncherLabel(int index, const QString& text, int top, const QColor& colour, qreal points)
{
    auto* label = new MouseLabel(QStringLiteral("lblCaption_%1").arg(index), text, picMain);
    label->setFont(look::verdana(points, true));
    look::setTextColour(label, colour);
    if (index == IntroductionIndex) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->resize(look::px(IntroductionWidth), look::px(IntroductionHeight));
    } else {
        label->adjustSize();
    }
    label->move(0, look::px(top));
    connect(label, &MouseLabel::clicked, this, [this, index] { lblCaption_Click(index); });
    connect(label, &MouseLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(index); });
    lblCaption[std::size_t(index)] = label;
    return label;
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
    // The quiz windows go after this window's own parts, hidden as they go: nobody listens then.
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

const QuizEntry* frmMDI::quizOfButton(int index) const
{
    for (const QuizEntry& quiz : m_quizzes) {
        if (quiz.buttonIndex == index)
            return &quiz;
    }
    return nullptr;
}

const QuizEntry* frmMDI::quizOfLabel(int index) const
{
    for (const QuizEntry& quiz : m_quizzes) {
        if (quiz.labelIndex == index)
            return &quiz;
    }
    return nullptr;
}

std::pair<const QuizEntry*, const QuizWindowEntry*> frmMDI::windowEntry(const QString& windowName) const
{
    for (const QuizEntry& quiz : m_quizzes) {
        for (const QuizWindowEntry& window : quiz.windows) {
            if (window.name == windowName)
                return {&quiz, &window};
        }
    }
    return {nullptr, nullptr};
}

QuizWindow* frmMDI::loadQuizWindow(const QString& windowName)
{
    if (QuizWindow* loaded = loadedQuizWindow(windowName))
        return loaded;
    const auto [quiz, entry] = windowEntry(windowName);
    if (!entry)
        return nullptr;
    QuizWindow* window = entry->create();
    // Each quiz window shows its quiz's icon, the one beside the quiz's button.
    window->setWindowIcon(look::pictureIcon(quiz->picture));
    mdiClient->addSubWindow(window);
    m_loaded[windowName] = window;
    connect(window, &QuizWindow::shown, this, &frmMDI::followScreen);
    connect(window, &QuizWindow::hidden, this, &frmMDI::followScreen);
    connect(window, &QuizWindow::unloaded, this, &frmMDI::quizWindowUnloaded);
    connect(window, &QuizWindow::quizWindowWanted, this, &frmMDI::OpenTest);
    window->fitAroundClientArea();
    window->placeAtTop();
    return window;
}

QuizWindow* frmMDI::loadedQuizWindow(const QString& windowName) const
{
    const auto loaded = m_loaded.find(windowName);
    return loaded == m_loaded.end() ? nullptr : loaded->second.data();
}

void frmMDI::UnloadTestWindows()
{
    std::multimap<int, QString> order;
    for (const QuizEntry& quiz : m_quizzes) {
        for (const QuizWindowEntry& window : quiz.windows) {
            for (int place : window.unloadPlaces)
                order.emplace(place, window.name);
        }
    }
    for (const auto& [place, windowName] : order) {
        if (QuizWindow* window = loadedQuizWindow(windowName))
            window->close();
    }
}

void frmMDI::OpenTest(const QString& windowName)
{
    QuizWindow* window = loadQuizWindow(windowName);
    if (!window)
        return;
    picMain->hide();
    panels::renewForAssistiveTechnology(window);
    window->show();
    window->placeAtTop();
    mdiClient->setActiveSubWindow(window);
}

void frmMDI::quizWindowUnloaded(QuizWindow* window)
{
    auto loaded = m_loaded.find(window->objectName());
    if (loaded != m_loaded.end() && loaded->second == window)
        m_loaded.erase(loaded);
    // Where the window took the focus with it, the keyboard comes back to the launcher with its
    // first button; a window unloaded behind the user's back (a launch unloads them all) leaves
    // the focus where it is.
    const QWidget* focus = QApplication::focusWidget();
    const bool focusWentWithIt = !focus || window->isAncestorOf(focus);
    picMain->setVisible(true);
    followScreen();
    if (focusWentWithIt && !quizWindowOnScreen() && !cmdSelectOption.empty())
        cmdSelectOption.front()->setFocus();
}

QuizWindow* frmMDI::quizWindowOnScreen() const
{
    QuizWindow* onScreen = nullptr;
    for (const auto& [name, window] : m_loaded) {
        if (window && !window->isHidden())
            onScreen = window;
    }
    return onScreen;
}

void frmMDI::followScreen()
{
    const QuizWindow* onScreen = quizWindowOnScreen();
    menuBar()->clear();
    menuBar()->addActions((onScreen ? onScreen->menus : menus).menuBarActions());
    // A quiz window with an "&Exit" of its own takes Alt+E while it is on screen, rather than
    // taking turns with the main window's.
    const bool exitOfItsOwn = onScreen && hasButtonCaptioned(onScreen, cmdMdiExit->text());
    cmdMdiExit->setShortcut(exitOfItsOwn ? QKeySequence() : QKeySequence::mnemonic(cmdMdiExit->text()));
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
    if (const QuizEntry* quiz = quizOfButton(index))
        OpenTest(quiz->windows.front().name);
}

void frmMDI::lblCaption_Click(int index)
{
    UnloadTestWindows();
    if (const QuizEntry* quiz = quizOfLabel(index))
        OpenTest(quiz->windows.front().name);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (!quizOfLabel(index))
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

#include "shell/TestWindow.h"

#include "shell/frmAbout.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QCloseEvent>

namespace {

// Each test window shows its test's icon, the one beside the test's button in the main window.
QString pictureOf(TestWindowId id)
{
    switch (id) {
    case TestWindowId::BrainTestMain:
    case TestWindowId::BrainTestDisplay: return QStringLiteral("braintest");
    case TestWindowId::EQTestMain: return QStringLiteral("eqtest");
    case TestWindowId::MFTestMain: return QStringLiteral("mftest");
    }
    return QStringLiteral("program");
}

} // namespace

TestWindow::TestWindow(TestWindowId id, const char* objectName, const QString& caption, const MenuDesign& menuDesign,
                       QSize clientSize)
    : menus(this, menuDesign)
    , m_id(id)
    , m_caption(caption)
    , m_clientArea(new QWidget)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowIcon(look::pictureIcon(pictureOf(id)));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_clientArea->setFixedSize(clientSize);
    // The focus frame stands out against the blue of the test windows.
    QPalette palette = m_clientArea->palette();
    palette.setColor(QPalette::Highlight, QColor(255, 200, 0));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    m_clientArea->setPalette(palette);
    m_clientArea->setFont(look::verdana(8.25));
    setWidget(m_clientArea);

    connect(menus.mnuAbout, &QAction::triggered, this, [this] { frmAbout::showModal(this); });
}

void TestWindow::fitAroundClientArea()
{
    ensurePolished();
    setFixedSize(m_clientArea->size().grownBy(contentsMargins()));
}

void TestWindow::placeAtTop()
{
    // On a screen narrower than the window, at the left edge, from where the client area scrolls.
    move(qMax(0, (look::screenWidth() - width()) / 2), 0);
}

void TestWindow::closeEvent(QCloseEvent* event)
{
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit unloaded(this);
}

void TestWindow::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    // The caption goes on when the window first shows: a sub-window fits its caption to its title
    // bar anew at every change of its size, parent or contents, and these come before.
    if (windowTitle().isEmpty()) {
        setWindowTitle(m_caption);
        putLinksLastInTabOrder(this);
    }
    emit shown();
}

void TestWindow::hideEvent(QHideEvent* event)
{
    QMdiSubWindow::hideEvent(event);
    emit hidden();
}

#include "shell/QuizWindow.h"

#include "shell/frmAbout.h"
#include "widgets/Look.h"

#include <QAction>
#include <QCloseEvent>

QuizWindow::QuizWindow(const char* objectName, const QString& caption, const MenuDesign& menuDesign, QSize clientSize)
    : menus(this, menuDesign)
    , m_caption(caption)
    , m_clientArea(new QWidget)
{
    setObjectName(QString::fromLatin1(objectName));
    setAttribute(Qt::WA_DeleteOnClose);
    // A click makes it the active window; Tab never stops on the window itself, which a screen
    // reader would announce as a frame in place of the control that Tab reaches.
    setFocusPolicy(Qt::ClickFocus);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    m_clientArea->setFixedSize(clientSize);
    // The focus frame stands out against the blue of the quiz windows.
    QPalette palette = m_clientArea->palette();
    palette.setColor(QPalette::Highlight, QColor(255, 200, 0));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    m_clientArea->setPalette(palette);
    m_clientArea->setFont(look::verdana(8.25));
    setWidget(m_clientArea);

    connect(menus.mnuAbout, &QAction::triggered, this, [this] { frmAbout::showModal(this); });
}

void QuizWindow::fitAroundClientArea()
{
    ensurePolished();
    setFixedSize(m_clientArea->size().grownBy(contentsMargins()));
}

void QuizWindow::placeAtTop()
{
    // On a screen narrower than the window, at the left edge, from where the client area scrolls.
    move(qMax(0, (look::screenWidth() - width()) / 2), 0);
}

void QuizWindow::closeEvent(QCloseEvent* event)
{
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit unloaded(this);
}

void QuizWindow::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    // The caption goes on when the window first shows: a sub-window fits its caption to its title
    // bar anew at every change of its size, parent or contents, and these come before.
    if (windowTitle().isEmpty())
        setWindowTitle(m_caption);
    emit shown();
}

void QuizWindow::hideEvent(QHideEvent* event)
{
    QMdiSubWindow::hideEvent(event);
    emit hidden();
}

#pragma once

#include "links/WindowMenus.h"

#include <QMdiSubWindow>

// A child window of the main window in which a quiz runs. It carries the shared menus and sits
// at the top of the main window's client area centred on the screen. It tells whoever holds it
// (the main window) when it is shown, hidden or unloaded, and which window it wants on screen in
// its place; it knows nothing of the main window itself. Its objectName is the name by which the
// main window and the other windows of its quiz know it. Unloading (closing) destroys it, so
// loading it again starts from its designed state.
class QuizWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    // Sizes the window to its client area with the frame and title bar around it; these are
    // known once the window lies in the main window's client area.
    void fitAroundClientArea();
    // Left = (screen width - window width) / 2, top = 0.
    void placeAtTop();

    // The File and Help menus that the main window's menu bar shows while this window is on screen.
    WindowMenus menus;

signals:
    void shown();
    void hidden();
    // Sent as the window is unloaded: the main window brings back its launcher panel.
    void unloaded(QuizWindow* window);
    // Asks for the window of that name to be loaded, if it is not, and put on screen.
    void quizWindowWanted(const QString& windowName);

protected:
    // The controls go onto the client area, whose size is fixed.
    QuizWindow(const char* objectName, const QString& caption, const MenuDesign& menuDesign, QSize clientSize);
    QWidget* clientArea() const { return m_clientArea; }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString m_caption;
    QWidget* m_clientArea;
};

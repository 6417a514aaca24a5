#pragma once

#include "links/WindowMenus.h"
#include "shell/TestWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>

class MouseLabel;
class QFrame;
class QLabel;
class QMdiArea;
class QPushButton;

// The main window: a banner, a bar of three test buttons, the black launcher panel with its
// six labels, the client area in which the test windows open, and a strip with the Exit
// button. Closing it unloads every test window and ends the program.
class frmMDI : public QMainWindow {
    Q_OBJECT

public:
    // How a test window comes into being; each test registers its windows before start-up.
    using TestWindowFactory = std::function<TestWindow*()>;
    static void registerTestWindow(TestWindowId id, TestWindowFactory factory);

    frmMDI();
    ~frmMDI() override;

    // The main window of the running program, for the test windows.
    static frmMDI* current();

    // Places the banner, the button frame, the labels and the Exit button on the screen width.
    void LayOutMainWindow();

    // The one way a test window comes on screen: loaded (and placed) if it was not, the launcher
    // panel hidden, shown at the top of the client area and made the active window.
    void OpenTest(TestWindowId id);
    // The loaded window of that kind, created (and placed) first if it was not loaded.
    TestWindow* loadTestWindow(TestWindowId id);
    // The loaded window of that kind, or none.
    TestWindow* loadedTestWindow(TestWindowId id) const;
    void UnloadTestWindows();

    MouseLabel* Picture6;
    MouseLabel* lblQuorvaneBanner;
    QWidget* Picture1;
    QFrame* picButtonContainer;
    std::array<QPushButton*, 3> cmdSelectOption;
    QLabel* Picture2;
    QLabel* Picture3;
    QLabel* Picture4;
    MouseLabel* picMain;
    std::array<MouseLabel*, 6> lblCaption;
    QMdiArea* mdiClient;
    QWidget* PicCoBrand;
    QPushButton* cmdMdiExit;
    MouseLabel* Label7;
    WindowMenus menus;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* newBanner(QWidget* parent);
    QWidget* newTestButtonBar(QWidget* parent);
    QWidget* newClientArea(QWidget* parent);
    QWidget* newOfferStrip(QWidget* parent);
    // The least size in which every control of the main window shows at its designed place.
    int designWidth() const;
    int designHeight() const;

    // A test window was unloaded: the launcher panel comes back.
    void testWindowUnloaded(TestWindow* window);
    // Follows the test window on screen, or its absence: the menu bar shows its menus, or the
    // main window's own; its access keys go first.
    void followScreen();
    TestWindow* testWindowOnScreen() const;

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

    QWidget* m_content;
    std::map<TestWindowId, QPointer<TestWindow>> m_loaded;
};

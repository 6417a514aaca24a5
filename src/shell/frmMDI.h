#pragma once

#include "links/WindowMenus.h"
#include "shell/QuizCatalogue.h"
#include "shell/QuizWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <vector>

class MouseLabel;
class QFrame;
class QLabel;
class QMdiArea;
class QPushButton;

// The main window: a banner, a bar with a button for each quiz, the black launcher panel with
// its three texts and a label for each quiz, the client area in which the quiz windows open, and
// a strip with the Exit button. Which quizzes there are, it learns from the catalogue it is
// given. Closing it unloads every quiz window and ends the program.
class frmMDI : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMDI(QuizCatalogue quizzes);
    ~frmMDI() override;

    // Places the banner, the button frame, the labels and the Exit button on the screen width.
    void LayOutMainWindow();

    // The one way a quiz window comes on screen: loaded (and placed) if it was not, the launcher
    // panel hidden, shown at the top of the client area and made the active window.
    void OpenTest(const QString& windowName);
    // The loaded window of that name, created (and placed) first if it was not loaded.
    QuizWindow* loadQuizWindow(const QString& windowName);
    // The loaded window of that name, or none.
    QuizWindow* loadedQuizWindow(const QString& windowName) const;
    void UnloadTestWindows();

    MouseLabel* Picture6;
    MouseLabel* lblQuorvaneBanner;
    QWidget* Picture1;
    QFrame* picButtonContainer;
    // By index, one for each quiz.
    std::vector<QPushButton*> cmdSelectOption;
    MouseLabel* picMain;
    // By index: the launcher's three texts, then one for each quiz.
    std::vector<MouseLabel*> lblCaption;
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
    QWidget* newQuizButtonBar(QWidget* parent);
    QWidget* newClientArea(QWidget* parent);
    QWidget* newOfferStrip(QWidget* parent);
    void installKeys();
    MouseLabel* newLauncherLabel(int index, const QString& text, int top, const QColor& colour, qreal points);
    // The least size in which every control of the main window shows at its designed place.
    int designWidth() const;
    int designHeight() const;

    // The quiz whose button or label has that index, or none.
    const QuizEntry* quizOfButton(int index) const;
    const QuizEntry* quizOfLabel(int index) const;
    // The quiz of the window of that name and the window's entry, or none.
    std::pair<const QuizEntry*, const QuizWindowEntry*> windowEntry(const QString& windowName) const;

    // A quiz window was unloaded: the launcher panel comes back.
    void quizWindowUnloaded(QuizWindow* window);
    // Follows the quiz window on screen, or its absence: the menu bar shows its menus, or the
    // main window's own; its access keys go first.
    void followScreen();
    QuizWindow* quizWindowOnScreen() const;

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

    QuizCatalogue m_quizzes;
    QWidget* m_content;
    std::map<QString, QPointer<QuizWindow>> m_loaded;
};

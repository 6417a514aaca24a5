#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class frmMDI;
struct UserEvent;

// Knows, independently of the program, what each run must come to. Before every event it notes
// the question on screen and the answer chosen; when the next question or the verdict follows, it
// records that answer. When a verdict, percentage or band appears, it works out from its own record,
// the bank's texts and the tests' rules what the program must show, and compares. It also checks
// that the ways back lead back: "Back To Main" to the entry page, OK and Back to the entry window.
class RunOracle {
public:
    void before(const frmMDI& mainWindow);
    // What the program did wrong in the event, each as "oracle: why"; empty when all is right.
    QStringList after(const UserEvent& event, const frmMDI& mainWindow);

private:
    // What one test window showed before the event: the question on screen (or -1) and the answer
    // chosen (-1 for none); whether its verdict was on screen.
    struct Page {
        int question = -1;
        int answer = -1;
        bool verdict = false;
    };
    struct Pages {
        Page brain, eq, mf;
    };
    static Pages pagesOf(const frmMDI& mainWindow);

    QStringList checkBrain(const Page& now, const frmMDI& mainWindow);
    QStringList checkEQ(const Page& now, const frmMDI& mainWindow);
    QStringList checkMF(const Page& now, const frmMDI& mainWindow);
    QStringList checkWayBack(const UserEvent& event, const frmMDI& mainWindow) const;

    Pages m_before;
    std::array<int, 20> m_brainAnswers{};
    std::array<int, 15> m_eqAnswers{};
    std::array<int, 20> m_mfAnswers{};
};

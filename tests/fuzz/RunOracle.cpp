#include "RunOracle.h"

#include "ControlPaths.h"
#include "UserEvent.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

template <typename Control = QWidget>
Control* find(const QWidget* parent, const char* name)
{
    return parent ? parent->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
}

// Shown, and not covered by a later sibling: the panel the user sees of those that share a place.
bool inFront(const QWidget* panel)
{
    if (!panel || !panel->isVisible())
        return false;
    const QObjectList siblings = panel->parentWidget()->children();
    for (qsizetype index = siblings.indexOf(panel) + 1; index < siblings.size(); ++index) {
        const auto* later = qobject_cast<const QWidget*>(siblings[index]);
        if (later && later->isVisible() && later->geometry().contains(panel->geometry()))
            return false;
    }
    return true;
}

const QWidget* shownWindow(const frmMDI& mainWindow, const char* name)
{
    const QWidget* window = find(&mainWindow, name);
    return window && window->isVisible() ? window : nullptr;
}

// The index of the text among the first of the bank's texts, or -1.
template <typename Bank>
int indexIn(const Bank& bank, const QString& text, int count)
{
    const auto end = bank.begin() + count;
    const auto found = std::find(bank.begin(), end, text);
    return text.isEmpty() || found == end ? -1 : int(found - bank.begin());
}

int chosenOf(std::initializer_list<const QRadioButton*> options)
{
    int index = 0;
    for (const QRadioButton* option : options) {
        if (option && option->isChecked())
            return index;
        ++index;
    }
    return -1;
}

QString textOf(const QWidget* parent, const char* label)
{
    const auto* found = find<QLabel>(parent, label);
    return found ? found->text() : QString();
}

// The tests' own rules, as the program's users were told them.
QString brainVerdict(int rightAnswers)
{
    if (rightAnswers > 10)
        return texts::text(QStringLiteral("brain.verdicts.rightDominant"));
    if (rightAnswers < 10)
        return texts::text(QStringLiteral("brain.verdicts.leftDominant"));
    return texts::text(QStringLiteral("brain.verdicts.bothEqual"));
}

QString eqHeadline(int total)
{
    if (total <= 30)
        return texts::text(QStringLiteral("eq.bands.0.headline"));
    if (total <= 42)
        return texts::text(QStringLiteral("eq.bands.1.headline"));
    if (total <= 54)
        return texts::text(QStringLiteral("eq.bands.2.headline"));
    if (total <= 66)
        return texts::text(QStringLiteral("eq.bands.3.headline"));
    return texts::text(QStringLiteral("eq.bands.4.headline"));
}

QString mfHeadline(int percent)
{
    if (percent == 50)
        return texts::text(QStringLiteral("mf.verdicts.balanced.headline"));
    return percent > 50 ? texts::text(QStringLiteral("mf.verdicts.masculine.headline"))
                        : texts::text(QStringLiteral("mf.verdicts.feminine.headline"));
}

QString mismatch(const char* what, const QString& shown, const QString& expected)
{
    return QStringLiteral("oracle: %1 shows \"%2\", the answers given make it \"%3\"")
        .arg(QLatin1String(what), shown, expected);
}

} // namespace

RunOracle::Pages RunOracle::pagesOf(const frmMDI& mainWindow)
{
    Pages pages;
    modBrainTest::LoadBrainQuestions();
    modEmotionalQuotientTest::LoadEQStatements();
    modMaleFemaleTest::LoadMFQuestions();

    if (const QWidget* brain = shownWindow(mainWindow, "frmBrainTestDisplay")) {
        if (inFront(find(brain, "fraQuestion"))) {
            pages.brain.question = indexIn(modBrainTest::BrainQuestions, textOf(brain, "lblQuestion"), 20);
            pages.brain.answer = chosenOf(
                {find<QRadioButton>(brain, "optAnswerOne"), find<QRadioButton>(brain, "optAnswerTwo")});
        }
        pages.brain.verdict = inFront(find(brain, "fraResult"));
    }
    if (const QWidget* eq = shownWindow(mainWindow, "frmEQTestMain")) {
        if (inFront(find(eq, "fraQuestion"))) {
            pages.eq.question = indexIn(modEmotionalQuotientTest::EQStatements, textOf(eq, "lblQuestion"), 15);
            pages.eq.answer = chosenOf(
                {find<QRadioButton>(eq, "optAnswerChoice_0"), find<QRadioButton>(eq, "optAnswerChoice_1"),
                 find<QRadioButton>(eq, "optAnswerChoice_2"), find<QRadioButton>(eq, "optAnswerChoice_3"),
                 find<QRadioButton>(eq, "optAnswerChoice_4")});
        }
        pages.eq.verdict = inFront(find(eq, "fraResult"));
    }
    if (const QWidget* mf = shownWindow(mainWindow, "frmMFTestMain")) {
        if (inFront(find(mf, "fraQuestion"))) {
            pages.mf.question = indexIn(modMaleFemaleTest::MFQuestions, textOf(mf, "lblQuestion"), 20);
            pages.mf.answer = chosenOf({find<QRadioButton>(mf, "optOption1"), find<QRadioButton>(mf, "optOption2")});
        }
        pages.mf.verdict = inFront(find(mf, "fraResult"));
    }
    return pages;
}

void RunOracle::before(const frmMDI& mainWindow)
{
    m_before = pagesOf(mainWindow);
}

QStringList RunOracle::after(const UserEvent& event, const frmMDI& mainWindow)
{
    const Pages now = pagesOf(mainWindow);
    return checkBrain(now.brain, mainWindow) + checkEQ(now.eq, mainWindow) + checkMF(now.mf, mainWindow)
        + checkWayBack(event, mainWindow);
}

// An answer is given when the page moves from a question with an answer chosen to the next
// question, or to the verdict.
template <std::size_t Count>
void recordAnswer(std::array<int, Count>& answers, int before, int answer, int now, bool verdictNow)
{
    if (before < 0 || answer < 0)
        return;
    if (now == before + 1 || (verdictNow && before == int(Count) - 1))
        answers[std::size_t(before)] = answer;
}

QStringList RunOracle::checkBrain(const Page& now, const frmMDI& mainWindow)
{
    const Page& before = m_before.brain;
    recordAnswer(m_brainAnswers, before.question, before.answer, now.question, now.verdict);
    if (!now.verdict || before.verdict)
        return {};
    int right = 0;
    for (std::size_t question = 0; question < m_brainAnswers.size(); ++question) {
        const QString chosen = modBrainTest::BrainAnswerCaptions[2 * question + std::size_t(m_brainAnswers[question])];
        right += chosen == modBrainTest::BrainRightAnswers[question] ? 1 : 0;
    }
    const QWidget* window = find(&mainWindow, "frmBrainTestDisplay");
    QStringList wrong;
    const QString expected = brainVerdict(right);
    if (textOf(window, "lblAnswer") != expected)
        wrong.append(mismatch("the Brain Test's verdict", textOf(window, "lblAnswer"), expected));
    const bool tie = right == 10;
    const bool rightInFront = inFront(find(window, "fraRightBrainResponsible"));
    const bool leftInFront = inFront(find(window, "fraLeftBrainResponsible"));
    const bool buttons = find(window, "cmdRightBrainResponsible")->isVisible();
    if (!tie && (rightInFront != (right > 10) || leftInFront != (right < 10)))
        wrong.append(QStringLiteral("oracle: with %1 right-brain answers the %2 brain's panel must be in front")
                         .arg(right)
                         .arg(right > 10 ? QStringLiteral("right") : QStringLiteral("left")));
    if (buttons != tie)
        wrong.append(QStringLiteral("oracle: with %1 right-brain answers the panel buttons must be %2")
                         .arg(right)
                         .arg(tie ? QStringLiteral("shown") : QStringLiteral("hidden")));
    return wrong;
}

QStringList RunOracle::checkEQ(const Page& now, const frmMDI& mainWindow)
{
    const Page& before = m_before.eq;
    recordAnswer(m_eqAnswers, before.question, before.answer, now.question, now.verdict);
    if (!now.verdict || before.verdict)
        return {};
    int total = 0;
    for (int answer : m_eqAnswers)
        total += 5 - answer; // "Strongly Agree" earns 5 points, "Strongly Disagree" 1
    const QWidget* window = find(&mainWindow, "frmEQTestMain");
    const QString expected = eqHeadline(total);
    if (textOf(window, "lblResult_0") != expected)
        return {mismatch("the EQ band", textOf(window, "lblResult_0"), expected)};
    return {};
}

QStringList RunOracle::checkMF(const Page& now, const frmMDI& mainWindow)
{
    const Page& before = m_before.mf;
    recordAnswer(m_mfAnswers, before.question, before.answer, now.question, now.verdict);
    if (!now.verdict || before.verdict)
        return {};
    int masculine = 0;
    for (std::size_t question = 0; question < m_mfAnswers.size(); ++question) {
        const auto& flags = m_mfAnswers[question] == 0 ? modMaleFemaleTest::MFAnswerOneMasculine
                                                       : modMaleFemaleTest::MFAnswerTwoMasculine;
        masculine += flags.at(question) == QLatin1String("1") ? 1 : 0;
    }
    const int percent = 5 * masculine;
    const QWidget* window = find(&mainWindow, "frmMFTestMain");
    QStringList wrong;
    const QString line = texts::text(QStringLiteral("mf.percentageLine")).arg(percent).arg(100 - percent);
    if (textOf(window, "lblResult_0") != line)
        wrong.append(mismatch("the MF percentage", textOf(window, "lblResult_0"), line));
    const QString headline = mfHeadline(percent);
    if (textOf(window, "lblResult_1") != headline)
        wrong.append(mismatch("the MF verdict", textOf(window, "lblResult_1"), headline));
    return wrong;
}

// "Back To Main" leads to the test's entry page with an empty name; OK and Back on the Brain Test's
// question window lead to its entry window.
QStringList RunOracle::checkWayBack(const UserEvent& event, const frmMDI& mainWindow) const
{
    if (event.kind != UserEvent::Kind::Click)
        return {};
    const QString target = event.target.section(QLatin1Char('/'), -1);
    struct WayBack {
        const char* window;
        const char* control;
        bool wasOnVerdict;
        const char* entryPage;
    };
    static const WayBack ways[] = {
        {"frmEQTestMain", "cmdBack", true, "fraMain"},
        {"frmMFTestMain", "cmdMain", true, "fraDetails"},
    };
    for (const WayBack& way : ways) {
        if (!event.target.contains(QLatin1String(way.window)) || target != QLatin1String(way.control))
            continue;
        const Page& before = QLatin1String(way.window) == QLatin1String("frmEQTestMain") ? m_before.eq : m_before.mf;
        if (!before.verdict)
            return {};
        const QWidget* test = shownWindow(mainWindow, way.window);
        const auto* name = find<QLineEdit>(test, "txtName");
        if (!test || !inFront(find(test, way.entryPage)) || !name || !name->text().isEmpty())
            return {QStringLiteral("oracle: %1 on the verdict of %2 did not lead back to the empty entry page")
                        .arg(target, QLatin1String(way.window))};
    }
    if (event.target.contains(QLatin1String("frmBrainTestDisplay"))
        && (target == QLatin1String("Command1") || target == QLatin1String("cmdBack"))
        && (m_before.brain.verdict || m_before.brain.question >= 0)) {
        if (shownWindow(mainWindow, "frmBrainTestDisplay") || !shownWindow(mainWindow, "frmBrainTestMain"))
            return {QStringLiteral("oracle: %1 of the Brain Test's questions did not lead back to its entry window")
                        .arg(target)};
    }
    return {};
}

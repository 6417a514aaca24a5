#include "app/Quizzes.h"

#include "braintest/frmBrainTestDisplay.h"
#include "braintest/frmBrainTestMain.h"
#include "eqtest/frmEQTestMain.h"
#include "mftest/frmMFTestMain.h"

namespace {

template <typename Window>
QuizWindowEntry window(const char* name, std::vector<int> unloadPlaces)
{
    return {QString::fromLatin1(name), [] { return new Window; }, std::move(unloadPlaces)};
}

} // namespace

// The Emotional Quotient Test's button (index 2) stands between the other two on screen, and its
// label (index 5) above the Masculine Feminine Test's (index 4). The launcher unloads the Brain
// Test's question window first and once more at the end, as the program always did.
QuizCatalogue zeltNoggleQuizzes()
{
    return {
        {QStringLiteral("Brain Test"),
         0,
         1335,
         735,
         QStringLiteral("Picture2"),
         3,
         2760,
         QColor(255, 255, 0),
         QStringLiteral("braintest"),
         {window<frmBrainTestMain>("frmBrainTestMain", {1}),
          window<frmBrainTestDisplay>("frmBrainTestDisplay", {0, 4})}},
        {QStringLiteral("Masculine Feminine Test"),
         1,
         8295,
         7695,
         QStringLiteral("Picture3"),
         4,
         4440,
         QColor(255, 0, 255),
         QStringLiteral("mftest"),
         {window<frmMFTestMain>("frmMFTestMain", {3})}},
        {QStringLiteral("Emotional Quotient Test"),
         2,
         4815,
         4215,
         QStringLiteral("Picture4"),
         5,
         3600,
         QColor(0, 255, 0),
         QStringLiteral("eqtest"),
         {window<frmEQTestMain>("frmEQTestMain", {2})}},
    };
}

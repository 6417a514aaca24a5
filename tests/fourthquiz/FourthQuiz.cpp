#include "FourthQuiz.h"

#include "frmFourthQuiz.h"

QuizEntry fourthQuiz()
{
    return {QStringLiteral("Fourth Quiz"),
            3,
            10245,
            9735,
            QStringLiteral("Picture5"),
            6,
            5280,
            QColor(255, 160, 0),
            QStringLiteral("program"),
            {{QStringLiteral("frmFourthQuiz"), [] { return new frmFourthQuiz; }, {5}}}};
}

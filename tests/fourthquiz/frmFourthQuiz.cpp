#include "frmFourthQuiz.h"

#include "widgets/CommandButton.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"

#include <QAction>
#include <QPushButton>

namespace {

const MenuDesign Menus = {"mnuFile",      "&Check for Software Update", "mnuSep1", "mnuSep2",
                          "mnuMakeMoney", "Make Money &Online"};

} // namespace

frmFourthQuiz::frmFourthQuiz()
    : QuizWindow("frmFourthQuiz", QStringLiteral("Zelt Fourth Quiz"), Menus, QSize(look::px(4500), look::px(3000)))
    , cmdDone(controls::newButton("cmdDone", "&Done", clientArea(), look::px(1500, 1200, 1500, 495)))
{
    connect(cmdDone, &QPushButton::clicked, this, &QWidget::close);
    connect(menus.mnuExit, &QAction::triggered, this, &QWidget::close);
}

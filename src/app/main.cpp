#include "app/Quizzes.h"
#include "platform/SingleInstance.h"
#include "shell/StartUp.h"
#include "shell/frmMDI.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    // The program takes nothing from its command line: Qt gets only the program's name, so that
    // none of Qt's own options (-style, -reverse, -stylesheet FILE) changes it either.
    int programNameOnly = argc > 0 ? 1 : 0;
    QApplication application(programNameOnly, argv);
    // The desktop matches the windows to the program's menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELT_APP_ID));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(look::programIcon());

    platform::SingleInstanceLock lock;
    const std::unique_ptr<frmMDI> mainWindow = StartUp(lock, zeltNoggleQuizzes());
    if (!mainWindow)
        return 0;
    return QApplication::exec();
}

#include "links/Look.h"
#include "platform/SingleInstance.h"
#include "shell/frmMDI.h"
#include "shell/StartUp.h"
#include "TestWindows.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(look::programIcon());

    RegisterTestWindows();
    platform::SingleInstanceLock lock;
    const std::unique_ptr<frmMDI> mainWindow = StartUp(lock);
    if (!mainWindow)
        return 0;
    return QApplication::exec();
}

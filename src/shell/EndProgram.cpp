#include "shell/EndProgram.h"

#include <QApplication>
#include <QWidget>

void EndProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(0);
}

// Another copy of the program as far as the single-instance lock goes: takes the lock of the
// name it is given, says "held" and keeps it until it is killed or its input closes.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    platform::SingleInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    if (lock.anotherCopyIsRunning())
        return 1;
    std::puts("held");
    std::fflush(stdout);
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    input.readAll();
    return 0;
}

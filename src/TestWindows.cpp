#include "TestWindows.h"

#include "shell/frmMDI.h"

void RegisterTestWindows()
{
}

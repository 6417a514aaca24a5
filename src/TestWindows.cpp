#include "TestWindows.h"

#include "mftest/frmMFTestMain.h"
#include "shell/frmMDI.h"

void RegisterTestWindows()
{
    frmMDI::RegisterTestWindow(TestWindowId::MFTestMain, [] { return new frmMFTestMain; });
}

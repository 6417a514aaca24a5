#include "TestWindows.h"

#include "braintest/frmBrainTestDisplay.h"
#include "braintest/frmBrainTestMain.h"
#include "eqtest/frmEQTestMain.h"
#include "mftest/frmMFTestMain.h"
#include "shell/frmMDI.h"

void RegisterTestWindows()
{
    frmMDI::RegisterTestWindow(TestWindowId::BrainTestMain, [] { return new frmBrainTestMain; });
    frmMDI::RegisterTestWindow(TestWindowId::BrainTestDisplay, [] { return new frmBrainTestDisplay; });
    frmMDI::RegisterTestWindow(TestWindowId::EQTestMain, [] { return new frmEQTestMain; });
    frmMDI::RegisterTestWindow(TestWindowId::MFTestMain, [] { return new frmMFTestMain; });
}

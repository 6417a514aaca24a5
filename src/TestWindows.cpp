#include "TestWindows.h"

#include "braintest/frmBrainTestDisplay.h"
#include "braintest/frmBrainTestMain.h"
#include "eqtest/frmEQTestMain.h"
#include "mftest/frmMFTestMain.h"
#include "shell/frmMDI.h"

void registerTestWindows()
{
    frmMDI::registerTestWindow(TestWindowId::BrainTestMain, [] { return new frmBrainTestMain; });
    frmMDI::registerTestWindow(TestWindowId::BrainTestDisplay, [] { return new frmBrainTestDisplay; });
    frmMDI::registerTestWindow(TestWindowId::EQTestMain, [] { return new frmEQTestMain; });
    frmMDI::registerTestWindow(TestWindowId::MFTestMain, [] { return new frmMFTestMain; });
}

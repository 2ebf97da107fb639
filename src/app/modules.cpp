#include "app/modules.h"

#include "beam/window/beamwindow.h"
#include "column/window/columnwindow.h"
#include "help/window/helpwindow.h"
#include "pile/window/pilewindow.h"
#include "pilecap/window/pilecapwindow.h"
#include "shell/window/shellwindows.h"
#include "slab/window/slabwindow.h"
#include "spreadfooting/window/spreadfootingwindow.h"
#include "stair/window/stairwindow.h"

void registerModuleWindows() {
    mx::beam::registerBeamWindows();
    mx::column::registerColumnWindows();
    mx::help::registerHelpWindows();
    mx::pile::registerPileWindows();
    mx::pilecap::registerPileCapWindows();
    mx::shell::registerShellWindows();
    mx::slab::registerSlabWindows();
    mx::spreadfooting::registerSpreadFootingWindows();
    mx::stair::registerStairWindows();
}

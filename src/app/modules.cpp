#include "app/modules.h"

#include "beam/window/beamwindow.h"
#include "help/window/helpwindow.h"
#include "pile/window/pilewindow.h"
#include "shell/window/shellwindows.h"
#include "slab/window/slabwindow.h"

void registerModuleWindows() {
    mx::beam::registerBeamWindows();
    mx::help::registerHelpWindows();
    mx::pile::registerPileWindows();
    mx::shell::registerShellWindows();
    mx::slab::registerSlabWindows();
}

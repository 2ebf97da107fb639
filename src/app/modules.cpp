#include "app/modules.h"

#include "help/window/helpwindow.h"

void registerModuleWindows() {
    mx::help::registerHelpWindows();
}

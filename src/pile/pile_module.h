#pragma once
// The pile folder's two modules: the safe load of a pile by skin friction, and the
// capacity of a driven pile from its blow count.
#include "common/cli.h"

namespace mx::pile {

ModuleDescription pileDescription();
ModuleDescription blowDescription();

}  // namespace mx::pile

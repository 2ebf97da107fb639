#pragma once
// The help folder offers windows only: it describes no module of its own.
#include <vector>

#include "common/module.h"

namespace mx::help {

std::vector<ModuleDescription> descriptions();

}  // namespace mx::help

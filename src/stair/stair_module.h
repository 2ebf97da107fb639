#pragma once
// The stair module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::stair {

ModuleDescription description();
// The folder's modules, for the catalogue: this one.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::stair

#pragma once
// The slab module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::slab {

ModuleDescription description();
// The folder's modules, for the catalogue: this one.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::slab

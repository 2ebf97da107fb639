#pragma once
// The spread footing module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::spreadfooting {

ModuleDescription description();
// The folder's modules, for the catalogue: this one.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::spreadfooting

#pragma once
// The pile-cap footing module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::pilecap {

ModuleDescription description();
// The folder's modules, for the catalogue: this one.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::pilecap

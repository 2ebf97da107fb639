#pragma once
// The column module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::column {

ModuleDescription description();
// The folder's modules, for the catalogue: this one.
std::vector<ModuleDescription> descriptions();

}  // namespace mx::column

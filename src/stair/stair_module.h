#pragma once
// The stair module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::stair {

ModuleDescription description();

}  // namespace mx::stair

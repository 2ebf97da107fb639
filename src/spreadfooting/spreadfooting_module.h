#pragma once
// The spread footing module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::spreadfooting {

ModuleDescription description();

}  // namespace mx::spreadfooting

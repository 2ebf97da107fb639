#pragma once
// The slab module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::slab {

ModuleDescription description();

}  // namespace mx::slab

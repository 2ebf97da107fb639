#pragma once
// The column module's description: its fields, types, grades and run.
#include "common/cli.h"

namespace mx::column {

ModuleDescription description();

}  // namespace mx::column
